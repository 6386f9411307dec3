#pragma once

#include <string>

namespace vexo::fb {

struct ConnectParams {
    std::string database;  // file path, or "host:path" / "host/port:path" for a server
    std::string user = "SYSDBA";
    std::string password;
    std::string charset = "WIN1251";
};

// One attachment to a database. Owns the handle; detaches on destruction.
class Attachment {
public:
    Attachment() = default;
    ~Attachment();
    Attachment(const Attachment&) = delete;
    Attachment& operator=(const Attachment&) = delete;
    Attachment(Attachment&& o) noexcept;
    Attachment& operator=(Attachment&& o) noexcept;

    static Attachment attach(const ConnectParams& params);
    // Creates the database file with the given default character set, page size 8192.
    static Attachment create(const ConnectParams& params);

    bool isAttached() const { return handle_ != 0; }
    void detach();
    // Drops the database; the attachment is gone afterwards.
    void drop();
    // True when the server still answers (a cheap info call).
    bool ping();

    unsigned int* handle() { return &handle_; }
    const ConnectParams& params() const { return params_; }

private:
    unsigned int handle_ = 0;
    ConnectParams params_;
};

}  // namespace vexo::fb
