#include "data_module.h"

#include "text_codec.h"
#include "ui/dialogs.h"

namespace vexo::data {

const QStringList TfDM::kSprDateGroups = {
    "pv2",      "personal", "medses",   "uvol",     "dprik_sr", "dprik_vr", "gorselo", "kateg",
    "harakter", "stepen",   "kal2006",  "3",        "4",        "5",        "kvartal", "IstFin",
    "OS",       "YesNo",    "diskovod", "memory",   "proces",   "takt",     "TipObraz", "HarObraz",
    "TipDolgn", "NazDolgn", "stavka",   "AfterVuz", "mes",      "god10_12", "organ",   "fakultet"};

void SqlCommand::execute() {
    fb::Statement st(transaction_, toCp1251(sql_));
    st.execute();
}

TfDM::TfDM(QObject* parent) : QObject(parent) {
    transaction_ = std::make_unique<fb::Transaction>(attachment_);
    idleTimer_.setSingleShot(true);
    idleTimer_.setInterval(kIdleCommitMs);
    connect(&idleTimer_, &QTimer::timeout, this, [this] {
        if (isConnected() && transaction_->isActive()) transaction_->commitRetaining();
    });
}

TfDM::~TfDM() {
    try {
        disconnectDatabase();
    } catch (...) {
        // The connection may be gone already.
    }
}

void TfDM::connectDatabase(const fb::ConnectParams& params) {
    disconnectDatabase();
    attachment_ = fb::Attachment::attach(params);
    transaction_->start();
    createDatasets();
    touch();
}

void TfDM::disconnectDatabase() {
    idleTimer_.stop();
    destroyDatasets();
    if (transaction_->isActive()) {
        try {
            transaction_->commit();
        } catch (...) {
            try {
                transaction_->rollback();
            } catch (...) {
            }
        }
    }
    if (attachment_.isAttached()) attachment_.detach();
}

Dataset* TfDM::make(const QString& name, const QString& table, const QStringList& key, const QString& select) {
    auto* ds = new Dataset(name, *transaction_, table, key, this);
    ds->setSelectSql(select);
    // Every posted or deleted row is committed at once (retaining the context),
    // so nothing waits unseen by the other workstations.
    ds->setCommitOnPost(true);
    ds->afterPost.add([this](Dataset&) { touch(); });
    ds->afterDelete.add([this](Dataset&) { touch(); });
    all_.push_back(ds);
    return ds;
}

void TfDM::hookIdentifier(Dataset* ds, bool alsoNext) {
    ds->afterInsert.add([this, alsoNext](Dataset& d) {
        const qint64 id = nextId(1);
        d.setValue("AUTOINC", id);
        if (alsoNext) d.setValue("NEXT", id);
    });
}

qint64 TfDM::tipSvodaForNewRow() { return currentTableKind_ == QStringLiteral("свод:список") ? nextId(1) : 0; }

void TfDM::hookTipSvoda(Dataset* ds) {
    ds->afterInsert.add([this](Dataset& d) { d.setValue("TIPSVODA", tipSvodaForNewRow()); });
}

void TfDM::createDatasets() {
    destroyDatasets();
    const QStringList tblKey{"GOD", "LPU", "NTBL", "PERIOD", "ROW", "TIPSVODA"};
    tblYear = make("tblYear", "TBL", tblKey, "select * from TBL where ntbl is null");
    // Consolidation runs commit their scratch and result rows themselves.
    svod = make("svod", "SVOD", tblKey, "select * from svod where ntbl is null");
    svod->setCommitOnPost(false);
    hookTipSvoda(svod);
    temp = make("temp", "TEMP", QStringList{"AUTOINC"} + tblKey, "select * from Temp");
    temp->setCommitOnPost(false);
    hookTipSvoda(temp);
    columns = make("columns", "COLUMNS", {"AUTOINC"}, "select * from COLUMNS");
    hookIdentifier(columns, true);
    // The year is part of the key: row descriptions of several metadata years coexist.
    rows = make("rows", "ROWS", {"A", "C", "TBL", "GOD"}, "select * from \"ROWS\"");
    tblName = make("tblName", "TBLNAME", {"NTBL"}, "select * from tblName  order by formkod,tblkod");
    tblNameS = make("tblNameS", "TBLNAMES", {"NTBL"}, "select * from tblNameS");
    grpName = make("grpName", "GRPNAME", {"A"}, "select * from grpName order by a");
    Cells = make("Cells", "CELLS", {"AUTOINC"}, "select * from Cells");
    hookIdentifier(Cells);
    lpu = make("lpu", "KODIF", {"A"}, "select * from KODIF");
    lpu->setFilter([this](const Dataset& d, int row) {
        if (lpuFilterMode_ != 0 && lpuFilterMode_ != 1) return true;
        const int a3 = d.fieldIndex("A3");
        const fb::Value v = d.rawOfFetched(row, a3);
        const bool composite = !v.isNull() && !fromCp1251(v.toText()).trimmed().isEmpty();
        return lpuFilterMode_ == 1 ? composite : !composite;
    });
    qLpu = make("qLpu", "KODIF", {"A"}, "select * from kodif");
    qLpu->setReadOnly(true);
    period = make("period", "PERIOD", {"A"}, "select * from PERIOD");
    period->setFilter([](const Dataset& d, int row) {
        return !isHiddenPeriod(fromCp1251(d.rawOfFetched(row, d.fieldIndex("A")).toText()).trimmed());
    });
    nastr = make("nastr", "NASTR", {"AUTOINC"}, "select * from NASTR");
    hookIdentifier(nastr);
    Ust3 = make("Ust3", "UST3", {"AUTOINC"}, "select * from UST3");
    hookIdentifier(Ust3);
    move = make("move", "MOVE", {"AUTOINC"}, "select * from MOVE");
    hookIdentifier(move);
    POKAZ = make("POKAZ", "POKAZ", {"A1"}, "select * from POKAZ");
    pokazC = make("pokazC", "POKAZC", {"A1"}, "select * from POKAZC");
    UslK = make("UslK", "USLK", {"AUTOINC"}, "select * from USLk");
    hookIdentifier(UslK);
    uslC = make("uslC", "USLC", {"AUTOINC"}, "select * from USLC");
    hookIdentifier(uslC);
    analytic = make("analytic", "ANALYTIC", {"AUTOINC"}, "select * from ANALYTIC");
    hookIdentifier(analytic);
    grArray = make("grArray", "GRARRAY", {"AUTOINC"}, "select * from GRARRAY");
    hookIdentifier(grArray);
    DOLGN = make("DOLGN", "DOLGN", {"A"}, "select * from DOLGN order by b");
    spec = make("spec", "SPEC", {"A"}, "select * from spec order by b");
    for (const QString& group : kSprDateGroups) {
        const QString name = (group == "3" || group == "4" || group == "5") ? "sprDate" + group : group;
        QString select = "select * from sprDate where gr='" + group + "'";
        if (group == "organ") select += " order by b";
        // Addressed by group and code: a code may recur in another group.
        make(name, "SPRDATE", {"GR", "A"}, select);
    }
    qTmp = make("qTmp", "TBL", {}, "select * from TBL");
    qTmp->setReadOnly(true);
    tmpQuery = make("tmpQuery", "TBL", {}, "select * from TBL");
    tmpQuery->setReadOnly(true);
    ibsql_ = std::make_unique<SqlCommand>(*transaction_);
    IBSQL1 = ibsql_.get();
}

void TfDM::destroyDatasets() {
    for (Dataset* ds : all_) delete ds;
    all_.clear();
    ibsql_.reset();
    IBSQL1 = nullptr;
    tblYear = svod = temp = columns = rows = tblName = tblNameS = grpName = Cells = lpu = qLpu = period = nastr =
        Ust3 = move = POKAZ = pokazC = UslK = uslC = analytic = grArray = DOLGN = spec = qTmp = tmpQuery = nullptr;
}

Dataset* TfDM::dataset(const QString& name) const {
    for (Dataset* ds : all_)
        if (ds->name().compare(name, Qt::CaseInsensitive) == 0) return ds;
    return nullptr;
}

Dataset* TfDM::findDatasetByName(const QString& name) const {
    Dataset* ds = dataset(name);
    if (!ds) ui::showWarning(QStringLiteral("Ошибка в генераторе таблиц: неизвестный справочник!"));
    return ds;
}

void TfDM::execSql(const QString& sql, bool commit) {
    qTmp->close();
    qTmp->setSelectSql(sql);
    {
        fb::Statement st(*transaction_, toCp1251(sql));
        st.execute();
    }
    qTmp->close();
    if (commit) commitRetaining();
    touch();
}

fb::Value TfDM::scalar(const QString& sql) {
    qTmp->close();
    qTmp->setSelectSql(sql);
    fb::Value v;
    {
        fb::Statement st(*transaction_, toCp1251(sql));
        st.execute();
        if (st.fetch() && !st.row().empty()) v = st.value(0);
    }
    qTmp->close();
    touch();
    return v;
}

qint64 TfDM::scalarInt(const QString& sql) { return scalar(sql).toInt64(); }

QString TfDM::scalarText(const QString& sql) {
    const fb::Value v = scalar(sql);
    if (v.is<std::string>()) return fromCp1251(v.get<std::string>());
    return v.isNull() ? QString() : QString::fromStdString(v.toText());
}

double TfDM::scalarNumber(const QString& sql) { return scalar(sql).toDouble(); }

qint64 TfDM::nextId(int step) {
    const QString saved = tmpQuery->selectSql();
    // The query text is restored on every way out, also when the server fails.
    struct Restore {
        Dataset* q;
        QString text;
        ~Restore() { q->setSelectSql(text); }
    } restore{tmpQuery, saved};
    tmpQuery->setSelectSql("select gen_id(GEN_COLUMNS_ID," + QString::number(step) + ") from rdb$database");
    fb::Statement st(*transaction_, toCp1251(tmpQuery->selectSql()));
    st.execute();
    st.fetch();
    touch();
    return st.value(0).toInt64();
}

void TfDM::commitRetaining() {
    transaction_->commitRetaining();
    touch();
}

void TfDM::rollbackRetaining() {
    transaction_->rollbackRetaining();
    touch();
}

void TfDM::closeAll() {
    for (Dataset* ds : all_) ds->close();
}

void TfDM::openAll() {
    for (Dataset* ds : all_) {
        const QString n = ds->name().toUpper();
        if (n == "SVOD" || n == "TEMP" || ds == qTmp || ds == tmpQuery) continue;
        ds->open();
    }
}

bool TfDM::isHiddenPeriod(const QString& code) {
    static const QStringList hidden{"1-3", "102", "104", "105", "107", "108", "110", "111"};
    return hidden.contains(code);
}

void TfDM::setPeriodFilter(bool on) { period->setFiltered(on); }

void TfDM::setLpuFilterMode(int mode) {
    lpuFilterMode_ = mode;
    if (lpu->isFiltered()) lpu->setFiltered(true);
}

void TfDM::setLpuFiltered(bool on) { lpu->setFiltered(on); }

void TfDM::touch() {
    if (isConnected()) idleTimer_.start();
}

}  // namespace vexo::data
