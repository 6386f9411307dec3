#pragma once

#include "fb/attachment.h"
#include "fb/statement.h"
#include "fb/transaction.h"
#include "fb/value.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace vexo::test {

// A folder under the system temp dir, removed with its contents.
class TempDir {
public:
    explicit TempDir(const std::string& prefix = "vexo-test");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Points this process's embedded engine at a private root that loads the
// freshly built VexoUdf. Idempotent; every TestDatabase calls it.
void useEmbeddedEngine();
// The private engine root of this process (another process given it as
// FIREBIRD works with the same databases at the same time).
std::filesystem::path embeddedRoot();

// Source folder of the SQL scripts (database/).
std::filesystem::path databaseSourceDir();

// The scripts that make up the delivered schema, in the order they run.
std::vector<std::string> schemaScripts();

// A fresh WIN1251 database for one test: created in a temp folder with the
// embedded engine, or through a server when given its prefix ("localhost/3055"),
// filled by the given scripts of database/, dropped afterwards.
class TestDatabase {
public:
    explicit TestDatabase(const std::vector<std::string>& scripts = {}, const std::string& server = {});
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    const std::string& name() const { return params_.database; }
    const fb::ConnectParams& params() const { return params_; }
    fb::Attachment& attachment() { return *attachment_; }
    // The shared read-committed transaction of this connection.
    fb::Transaction& transaction() { return *transaction_; }
    // Another connection to the same database, as a second user would have.
    fb::Attachment connectAgain() const;
    // The database file itself.
    std::filesystem::path file() const { return dir_->path() / "test.fdb"; }

    // SQL given in UTF-8; values come back with text in Windows-1251.
    void exec(const std::string& sqlUtf8, const std::vector<fb::Value>& params = {});
    fb::Value scalar(const std::string& sqlUtf8, const std::vector<fb::Value>& params = {});
    std::vector<std::vector<fb::Value>> rows(const std::string& sqlUtf8, const std::vector<fb::Value>& params = {});
    // A scalar text result converted to UTF-8 (null gives "").
    std::string text(const std::string& sqlUtf8, const std::vector<fb::Value>& params = {});
    void commit() { transaction_->commitRetaining(); }
    void runScript(const std::string& scriptUtf8);

private:
    std::unique_ptr<TempDir> dir_;
    fb::ConnectParams params_;
    std::unique_ptr<fb::Attachment> attachment_;
    std::unique_ptr<fb::Transaction> transaction_;
};

// Text of a cp1251 value as UTF-8, for readable assertions.
std::string utf8(const fb::Value& value);
// UTF-8 literal → Windows-1251 bytes.
std::string cp1251(const std::string& utf8Text);

}  // namespace vexo::test
