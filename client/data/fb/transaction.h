#pragma once

#include <vector>

namespace vexo::fb {

class Attachment;

enum class Isolation {
    ReadCommitted,  // read_committed, rec_version
    Snapshot,       // concurrency
};

struct TransactionOptions {
    bool write = true;
    bool wait = false;
    Isolation isolation = Isolation::ReadCommitted;
};

// A transaction on one attachment. Rolls back when destroyed while active.
class Transaction {
public:
    Transaction(Attachment& attachment, TransactionOptions options = {});
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void start();
    bool isActive() const { return handle_ != 0; }
    void commit();
    void rollback();
    // Keep the context, so open cursors and positions survive.
    void commitRetaining();
    void rollbackRetaining();

    unsigned int* handle() { return &handle_; }
    Attachment& attachment() { return attachment_; }

private:
    Attachment& attachment_;
    TransactionOptions options_;
    unsigned int handle_ = 0;
};

}  // namespace vexo::fb
