#include "script.h"

#include "error.h"
#include "statement.h"
#include "transaction.h"
#include "win1251.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace vexo::fb {

namespace {

std::string upperTrimmed(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    std::string out;
    bool space = false;
    for (size_t i = b; i < e; ++i) {
        const auto ch = static_cast<unsigned char>(s[i]);
        if (std::isspace(ch)) {
            space = true;
            continue;
        }
        if (space) out.push_back(' ');
        space = false;
        out.push_back(static_cast<char>(std::toupper(ch)));
    }
    return out;
}

bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

}  // namespace

std::vector<ScriptStatement> splitScript(std::string_view script) {
    std::vector<ScriptStatement> out;
    std::string terminator = ";";
    std::string current;
    int line = 1;
    int startLine = 0;
    size_t i = 0;
    const size_t n = script.size();

    auto finish = [&] {
        const std::string upper = upperTrimmed(current);
        if (startsWith(upper, "SET TERM ")) {
            // The new terminator is written without blanks; take it from the raw text.
            size_t p = current.find_first_not_of(" \t\r\n");
            p = current.find_first_of(" \t\r\n", p);            // after SET
            p = current.find_first_not_of(" \t\r\n", p);        // TERM
            p = current.find_first_of(" \t\r\n", p);            // after TERM
            p = current.find_first_not_of(" \t\r\n", p);
            size_t e = current.find_first_of(" \t\r\n", p);
            terminator = current.substr(p, e == std::string::npos ? std::string::npos : e - p);
        } else if (!upper.empty()) {
            const size_t b = current.find_first_not_of(" \t\r\n");
            const size_t e = current.find_last_not_of(" \t\r\n");
            out.push_back(ScriptStatement{current.substr(b, e - b + 1), startLine});
        }
        current.clear();
        startLine = 0;
    };

    while (i < n) {
        const char ch = script[i];
        if (startLine == 0 && !std::isspace(static_cast<unsigned char>(ch))) startLine = line;
        if (ch == '\n') ++line;

        if (ch == '-' && i + 1 < n && script[i + 1] == '-') {
            // A comment before a statement starts belongs to nobody.
            const size_t e = script.find('\n', i);
            const size_t stop = e == std::string_view::npos ? n : e;
            if (!current.empty()) current.append(script.substr(i, stop - i));
            else startLine = 0;
            i = stop;
            continue;
        }
        if (ch == '/' && i + 1 < n && script[i + 1] == '*') {
            const size_t e = script.find("*/", i + 2);
            const size_t stop = e == std::string_view::npos ? n : e + 2;
            for (size_t k = i + 1; k < stop; ++k)
                if (script[k] == '\n') ++line;
            if (!current.empty()) current.append(script.substr(i, stop - i));
            else startLine = 0;
            i = stop;
            continue;
        }
        if (ch == '\'' || ch == '"') {
            size_t k = i + 1;
            while (k < n) {
                if (script[k] == ch) {
                    if (k + 1 < n && script[k + 1] == ch) {
                        k += 2;
                        continue;
                    }
                    break;
                }
                if (script[k] == '\n') ++line;
                ++k;
            }
            const size_t stop = k < n ? k + 1 : n;
            current.append(script.substr(i, stop - i));
            i = stop;
            continue;
        }
        if (script.compare(i, terminator.size(), terminator) == 0) {
            finish();
            i += terminator.size();
            continue;
        }
        // Blanks between statements belong to nobody either.
        if (!current.empty() || !std::isspace(static_cast<unsigned char>(ch))) current.push_back(ch);
        ++i;
    }
    finish();
    return out;
}

void runScript(Attachment& attachment, std::string_view script, const std::string& origin) {
    Transaction tr(attachment);
    for (const ScriptStatement& st : splitScript(script)) {
        const std::string upper = upperTrimmed(st.text);
        if (upper == "COMMIT" || upper == "COMMIT WORK") {
            tr.commit();
            continue;
        }
        if (startsWith(upper, "SET SQL DIALECT") || startsWith(upper, "SET NAMES") ||
            startsWith(upper, "SET AUTODDL"))
            continue;
        try {
            Statement stmt(tr, st.text);
            stmt.execute();
            if (stmt.type() == StatementType::Ddl) tr.commit();
        } catch (const Error& e) {
            std::ostringstream where;
            where << (origin.empty() ? std::string("script") : origin) << ", line " << st.line << ": " << e.what();
            throw Error(where.str(), e.gdsCode(), e.sqlCode(), e.gdsCodes(), e.sqlState());
        }
    }
    tr.commit();
}

void runScriptFile(Attachment& attachment, const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    std::ostringstream text;
    text << in.rdbuf();
    runScript(attachment, utf8ToWin1251(text.str()), file.filename().string());
}

}  // namespace vexo::fb
