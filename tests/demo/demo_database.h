#pragma once

#include "fb/attachment.h"
#include "fb/value.h"
#include "process_runner.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vexo::test {

// The demo database as vexo_mkdb builds it: made once per test program in a
// temporary folder, removed when the program ends.
class DemoDatabase {
public:
    static const std::filesystem::path& file();
    // A new attachment of this process (embedded engine with a private root).
    static fb::Attachment attach();
    // A fresh, empty temporary folder that lives as long as the program.
    static std::filesystem::path scratchFolder(const std::string& name);
};

// Runs vexo_mkdb with the given arguments.
ProcessResult runBuilder(const std::vector<std::string>& args);

// All rows of a query on a fresh read-only transaction; text stays Windows-1251.
// Values go in as "?" parameters; text parameters are given in UTF-8.
std::vector<std::vector<fb::Value>> queryRows(fb::Attachment& db, const std::string& sqlUtf8,
                                              const std::vector<fb::Value>& params = {});
// The first column of the first row.
fb::Value queryValue(fb::Attachment& db, const std::string& sqlUtf8, const std::vector<fb::Value>& params = {});

// Text of a value as UTF-8 with trailing blanks removed.
std::string textOf(const fb::Value& v);

}  // namespace vexo::test
