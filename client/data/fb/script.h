#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vexo::fb {

class Attachment;

struct ScriptStatement {
    std::string text;  // without the terminator
    int line = 0;      // 1-based line where it starts
};

// Splits an SQL script into statements, honouring SET TERM, string literals,
// quoted names and comments. SET TERM itself is consumed.
std::vector<ScriptStatement> splitScript(std::string_view script);

// Runs a script on an attachment in its own transaction. Data definitions are
// committed one by one so later statements see them; COMMIT in the script
// commits; the rest is committed at the end. Text must be Windows-1251.
void runScript(Attachment& attachment, std::string_view script, const std::string& origin = {});
// Script files are kept in UTF-8 and sent in Windows-1251.
void runScriptFile(Attachment& attachment, const std::filesystem::path& file);

}  // namespace vexo::fb
