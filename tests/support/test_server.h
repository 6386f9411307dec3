#pragma once

#include "test_database.h"

#include <string>
#include <sys/types.h>

namespace vexo::test {

// A private Firebird server on a free loopback port with its own security
// database and lock folder, for tests of the server mode. Stopped when destroyed.
class TestServer {
public:
    static const char* const kPassword;

    TestServer();
    ~TestServer();
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;

    int port() const { return port_; }
    // "localhost/<port>", the part of a database name before ":path".
    std::string prefix() const;
    // Ends the server at once, as a crash or a pulled cable would.
    void kill();
    bool running() const { return pid_ > 0; }

    static bool available();

private:
    void runIsql(const std::string& script) const;

    TempDir dir_{"vexo-fbserver"};
    int port_ = 0;
    pid_t pid_ = -1;
};

}  // namespace vexo::test
