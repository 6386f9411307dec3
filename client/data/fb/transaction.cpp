#include "transaction.h"

#include "attachment.h"
#include "error.h"

#include <ibase.h>

namespace vexo::fb {

Transaction::Transaction(Attachment& attachment, TransactionOptions options)
    : attachment_(attachment), options_(options) {}

Transaction::~Transaction() {
    if (handle_) {
        ISC_STATUS_ARRAY status;
        isc_rollback_transaction(status, &handle_);
    }
}

void Transaction::start() {
    if (handle_) return;
    std::vector<char> tpb{isc_tpb_version3};
    tpb.push_back(options_.write ? isc_tpb_write : isc_tpb_read);
    tpb.push_back(options_.wait ? isc_tpb_wait : isc_tpb_nowait);
    if (options_.isolation == Isolation::ReadCommitted) {
        tpb.push_back(isc_tpb_read_committed);
        tpb.push_back(isc_tpb_rec_version);
    } else {
        tpb.push_back(isc_tpb_concurrency);
    }
    ISC_STATUS_ARRAY status;
    isc_start_transaction(status, &handle_, 1, attachment_.handle(), static_cast<unsigned short>(tpb.size()),
                          tpb.data());
    checkStatus(status);
}

void Transaction::commit() {
    if (!handle_) return;
    ISC_STATUS_ARRAY status;
    isc_commit_transaction(status, &handle_);
    checkStatus(status);
}

void Transaction::rollback() {
    if (!handle_) return;
    ISC_STATUS_ARRAY status;
    isc_rollback_transaction(status, &handle_);
    checkStatus(status);
}

void Transaction::commitRetaining() {
    if (!handle_) return;
    ISC_STATUS_ARRAY status;
    isc_commit_retaining(status, &handle_);
    checkStatus(status);
}

void Transaction::rollbackRetaining() {
    if (!handle_) return;
    ISC_STATUS_ARRAY status;
    isc_rollback_retaining(status, &handle_);
    checkStatus(status);
}

}  // namespace vexo::fb
