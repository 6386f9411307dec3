#include "attachment.h"

#include "error.h"
#include "sql_quote.h"

#include <ibase.h>

#include <utility>
#include <vector>

namespace vexo::fb {

namespace {

void addString(std::vector<char>& dpb, char tag, const std::string& value) {
    if (value.empty()) return;
    dpb.push_back(tag);
    dpb.push_back(static_cast<char>(value.size()));
    dpb.insert(dpb.end(), value.begin(), value.end());
}

std::vector<char> buildDpb(const ConnectParams& p) {
    std::vector<char> dpb{isc_dpb_version1};
    addString(dpb, isc_dpb_user_name, p.user);
    addString(dpb, isc_dpb_password, p.password);
    addString(dpb, isc_dpb_lc_ctype, p.charset);
    return dpb;
}

}  // namespace

Attachment::~Attachment() {
    if (handle_) {
        ISC_STATUS_ARRAY status;
        isc_detach_database(status, &handle_);
    }
}

Attachment::Attachment(Attachment&& o) noexcept
    : handle_(std::exchange(o.handle_, 0)), params_(std::move(o.params_)) {}

Attachment& Attachment::operator=(Attachment&& o) noexcept {
    if (this != &o) {
        if (handle_) detach();
        handle_ = std::exchange(o.handle_, 0);
        params_ = std::move(o.params_);
    }
    return *this;
}

Attachment Attachment::attach(const ConnectParams& params) {
    Attachment a;
    a.params_ = params;
    const std::vector<char> dpb = buildDpb(params);
    ISC_STATUS_ARRAY status;
    isc_attach_database(status, 0, params.database.c_str(), &a.handle_, static_cast<short>(dpb.size()),
                        dpb.data());
    checkStatus(status);
    return a;
}

Attachment Attachment::create(const ConnectParams& params) {
    std::string sql = "CREATE DATABASE " + quoteLiteral(params.database);
    if (!params.user.empty()) sql += " USER " + quoteLiteral(params.user);
    if (!params.password.empty()) sql += " PASSWORD " + quoteLiteral(params.password);
    sql += " PAGE_SIZE 8192 DEFAULT CHARACTER SET " + params.charset;
    Attachment a;
    a.params_ = params;
    isc_tr_handle tr = 0;
    ISC_STATUS_ARRAY status;
    isc_dsql_execute_immediate(status, &a.handle_, &tr, 0, sql.c_str(), SQL_DIALECT_V6, nullptr);
    checkStatus(status);
    // Reattach so that the connection character set applies.
    a.detach();
    return attach(params);
}

void Attachment::detach() {
    if (!handle_) return;
    ISC_STATUS_ARRAY status;
    isc_detach_database(status, &handle_);
    handle_ = 0;  // a failed detach leaves nothing we could use
    checkStatus(status);
}

void Attachment::drop() {
    if (!handle_) return;
    ISC_STATUS_ARRAY status;
    isc_drop_database(status, &handle_);
    checkStatus(status);
    handle_ = 0;
}

bool Attachment::ping() {
    if (!handle_) return false;
    ISC_STATUS_ARRAY status;
    const char items[] = {isc_info_ods_version, isc_info_end};
    char buffer[32];
    isc_database_info(status, &handle_, sizeof items, items, sizeof buffer, buffer);
    return !(status[0] == 1 && status[1] != 0);
}

}  // namespace vexo::fb
