#include "test_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>
#include <vector>

extern char** environ;

namespace vexo::test {

namespace fs = std::filesystem;

const char* const TestServer::kPassword = "vexotest";

namespace {

const char* kServer = "/usr/sbin/firebird";

int freePort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(s);
    return ntohs(a.sin_port);
}

bool accepts(int port) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(s);
    return ok;
}

// The environment of this process with FIREBIRD and FIREBIRD_LOCK replaced.
std::vector<std::string> environmentFor(const fs::path& root) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string v = *e;
        if (v.rfind("FIREBIRD=", 0) == 0 || v.rfind("FIREBIRD_LOCK=", 0) == 0) continue;
        env.push_back(v);
    }
    env.push_back("FIREBIRD=" + root.string());
    env.push_back("FIREBIRD_LOCK=" + (root / "lock").string());
    return env;
}

pid_t spawn(const std::vector<std::string>& args, const std::vector<std::string>& env, const char* input = nullptr) {
    std::vector<char*> argv, envp;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (input) posix_spawn_file_actions_addopen(&actions, 0, input, O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) throw std::runtime_error("cannot start " + args[0]);
    return pid;
}

}  // namespace

bool TestServer::available() { return ::access(kServer, X_OK) == 0; }

void TestServer::runIsql(const std::string& script) const {
    const fs::path file = dir_.path() / "setup.sql";
    std::ofstream(file) << script;
    const pid_t pid = spawn({"/usr/bin/isql-fb", "-q", "-user", "SYSDBA"}, environmentFor(dir_.path()),
                            file.c_str());
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("isql-fb failed to set up the server");
}

TestServer::TestServer() {
    if (!available()) throw std::runtime_error("no Firebird server program at /usr/sbin/firebird");
    useEmbeddedEngine();  // this process's own engine is configured before anything else
    const fs::path root = dir_.path();
    fs::create_directories(root / "intl");
    fs::create_directories(root / "lock");
    fs::copy_file("/usr/lib/x86_64-linux-gnu/firebird/3.0/intl/libfbintl.so", root / "intl" / "libfbintl.so");
    port_ = freePort();
    std::ofstream(root / "firebird.conf") << "RemoteServicePort = " << port_ << "\n"
                                          << "RemoteBindAddress = 127.0.0.1\n"
                                          << "SecurityDatabase = " << (root / "security3.fdb").string() << "\n"
                                          << "UdfAccess = Restrict " << VEXO_UDF_DIR << "\n"
                                          << "WireCrypt = Enabled\n"
                                          << "BugcheckAbort = 1\n";
    runIsql("create database '" + (root / "security3.fdb").string() + "';\n" +
            "create or alter user SYSDBA password '" + kPassword + "' using plugin Srp;\ncommit;\n");
    fs::permissions(root, fs::perms::all, fs::perm_options::add);
    pid_ = spawn({kServer}, environmentFor(root));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (!accepts(port_)) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill();
            throw std::runtime_error("the test server did not start");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

TestServer::~TestServer() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    int status = 0;
    for (int i = 0; i < 100; ++i) {
        if (::waitpid(pid_, &status, WNOHANG) == pid_) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill();
}

void TestServer::kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
}

std::string TestServer::prefix() const { return "localhost/" + std::to_string(port_); }

}  // namespace vexo::test
