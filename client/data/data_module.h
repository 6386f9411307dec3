#pragma once

#include "dataset.h"
#include "fb/attachment.h"
#include "fb/transaction.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <vector>

namespace vexo::data {

// A statement run as it is, without parameter checking.
class SqlCommand {
public:
    explicit SqlCommand(fb::Transaction& transaction) : transaction_(transaction) {}
    void setSql(const QString& sql) { sql_ = sql; }
    const QString& sql() const { return sql_; }
    void execute();

private:
    fb::Transaction& transaction_;
    QString sql_;
};

// The data module: the one connection, the one transaction every statement of
// the client runs in, and one named dataset per table or list.
class TfDM : public QObject {
    Q_OBJECT
public:
    static constexpr int kIdleCommitMs = 600000;
    // The groups of SPRDATE, each a dataset of its own.
    static const QStringList kSprDateGroups;

    explicit TfDM(QObject* parent = nullptr);
    ~TfDM() override;

    // Attaches and starts the transaction; the datasets exist from here on, closed.
    void connectDatabase(const fb::ConnectParams& params);
    void disconnectDatabase();
    bool isConnected() const { return attachment_.isAttached(); }
    fb::Attachment& attachment() { return attachment_; }
    fb::Transaction& transaction() { return *transaction_; }
    const fb::ConnectParams& connectParams() const { return attachment_.params(); }

    // Named datasets.
    Dataset* tblYear = nullptr;
    Dataset* svod = nullptr;
    Dataset* temp = nullptr;
    Dataset* columns = nullptr;
    Dataset* rows = nullptr;
    Dataset* tblName = nullptr;
    Dataset* tblNameS = nullptr;
    Dataset* grpName = nullptr;
    Dataset* Cells = nullptr;
    Dataset* lpu = nullptr;
    Dataset* qLpu = nullptr;
    Dataset* period = nullptr;
    Dataset* nastr = nullptr;
    Dataset* Ust3 = nullptr;
    Dataset* move = nullptr;
    Dataset* POKAZ = nullptr;
    Dataset* pokazC = nullptr;
    Dataset* UslK = nullptr;
    Dataset* uslC = nullptr;
    Dataset* analytic = nullptr;
    Dataset* grArray = nullptr;
    Dataset* DOLGN = nullptr;
    Dataset* spec = nullptr;
    // Free queries.
    Dataset* qTmp = nullptr;
    Dataset* tmpQuery = nullptr;
    SqlCommand* IBSQL1 = nullptr;

    const std::vector<Dataset*>& datasets() const { return all_; }
    // Case-insensitive; null when there is none.
    Dataset* dataset(const QString& name) const;
    // The same, telling the user when the name is unknown.
    Dataset* findDatasetByName(const QString& name) const;

    // Module functions.
    void execSql(const QString& sql, bool commit = false);
    qint64 scalarInt(const QString& sql);
    QString scalarText(const QString& sql);
    double scalarNumber(const QString& sql);
    fb::Value scalar(const QString& sql);
    qint64 nextId(int step = 1);
    void commitRetaining();
    void rollbackRetaining();
    void closeAll();
    // Every dataset but svod and temp, each fetched whole.
    void openAll();

    // Period list without the cumulative and "1-3" periods.
    void setPeriodFilter(bool on);
    static bool isHiddenPeriod(const QString& code);
    // Territory list: 0 institutions and plain territories, 1 consolidations, other: all.
    void setLpuFilterMode(int mode);
    int lpuFilterMode() const { return lpuFilterMode_; }
    void setLpuFiltered(bool on);
    // VIDSVODA of the table being worked on: list tables number their rows.
    void setCurrentTableKind(const QString& vidsvoda) { currentTableKind_ = vidsvoda; }
    const QString& currentTableKind() const { return currentTableKind_; }
    // TIPSVODA of a new data row: a number of its own in a list table, else 0.
    qint64 tipSvodaForNewRow();

    // Restarts the idle clock after work in the transaction.
    void touch();

private:
    Dataset* make(const QString& name, const QString& table, const QStringList& key, const QString& select);
    void hookIdentifier(Dataset* ds, bool alsoNext = false);
    void hookTipSvoda(Dataset* ds);
    void createDatasets();
    void destroyDatasets();

    fb::Attachment attachment_;
    std::unique_ptr<fb::Transaction> transaction_;
    std::vector<Dataset*> all_;
    std::unique_ptr<SqlCommand> ibsql_;
    QTimer idleTimer_;
    int lpuFilterMode_ = 2;
    QString currentTableKind_;
};

}  // namespace vexo::data
