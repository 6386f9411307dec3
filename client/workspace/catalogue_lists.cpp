#include "catalogue_lists.h"

#include "data/data_module.h"

namespace vexo::workspace {

const QString CatalogueLists::kCatalogueSelect = QStringLiteral("select * from tblName  order by formkod,tblkod");

namespace {

QString field(const data::Dataset& ds, int row, const char* name) {
    const int i = ds.fieldIndex(QString::fromLatin1(name));
    return i < 0 ? QString() : ds.valueAt(row, i).toString().trimmed();
}

}  // namespace

void CatalogueLists::clear() {
    themes_.clear();
    tables_.clear();
    groups_.clear();
}

void CatalogueLists::load(data::TfDM& dm) {
    clear();
    data::Dataset& grp = *dm.grpName;
    if (!grp.isOpen()) grp.open();
    for (int row = 0; row < grp.recordCount(); ++row)
        themes_.push_back({field(grp, row, "A"), field(grp, row, "B"), field(grp, row, "PERIOD")});

    // The whole catalogue, whatever theme the list was restricted to before.
    data::Dataset& tbl = *dm.tblName;
    if (tbl.selectSql() != kCatalogueSelect) tbl.setSelectSql(kCatalogueSelect);
    tbl.open();
    tables_.reserve(static_cast<size_t>(tbl.recordCount()));
    for (int row = 0; row < tbl.recordCount(); ++row) {
        CatalogueTable t;
        t.theme = field(tbl, row, "TBLNAME");
        t.formKod = field(tbl, row, "FORMKOD");
        t.formSub = t.formKod.mid(3, 2);
        t.tblKod = field(tbl, row, "TBLKOD");
        t.formTbl = t.formKod + t.tblKod;
        t.ntbl = field(tbl, row, "NTBL");
        t.title = field(tbl, row, "B");
        t.vidSvoda = field(tbl, row, "VIDSVODA");
        t.cellParams = field(tbl, row, "GETCELLPARAMS");
        t.podpis = field(tbl, row, "PODPIS");
        t.isBold = field(tbl, row, "ISBOLD");
        t.orderSp = field(tbl, row, "ORDERSP");
        t.kolRow = field(tbl, row, "KOLROW");
        t.alignGr = field(tbl, row, "ALIGNGR");
        t.alignGr800 = field(tbl, row, "ALIGNGR_800");
        tables_.push_back(std::move(t));
    }

    data::Dataset& grpTbl = *dm.tblNameS;
    grpTbl.open();
    for (int row = 0; row < grpTbl.recordCount(); ++row) {
        GroupTable g;
        g.theme = field(grpTbl, row, "TBLNAME");
        g.formKod = field(grpTbl, row, "FORMKOD");
        g.tblKod = field(grpTbl, row, "TBLKOD");
        g.formTbl = g.formKod + g.tblKod;
        g.ntbl = field(grpTbl, row, "NTBL");
        g.vidSvoda = field(grpTbl, row, "VIDSVODA");
        g.orderSp = field(grpTbl, row, "ORDERSP");
        g.kolRow = field(grpTbl, row, "KOLROW");
        g.title = field(grpTbl, row, "B");
        groups_.push_back(std::move(g));
    }
}

int CatalogueLists::indexOfTitle(const QString& title) const {
    const QString wanted = title.trimmed();
    for (size_t i = 0; i < tables_.size(); ++i)
        if (tables_[i].title == wanted) return static_cast<int>(i);
    return -1;
}

int CatalogueLists::indexOfFormTbl(const QString& formTbl) const {
    for (size_t i = 0; i < tables_.size(); ++i)
        if (tables_[i].formTbl == formTbl) return static_cast<int>(i);
    return -1;
}

int CatalogueLists::firstOfTheme(const QString& themeCode) const {
    for (size_t i = 0; i < tables_.size(); ++i)
        if (tables_[i].theme == themeCode) return static_cast<int>(i);
    return -1;
}

int CatalogueLists::indexOfTheme(const QString& themeCode) const {
    for (size_t i = 0; i < themes_.size(); ++i)
        if (themes_[i].code == themeCode) return static_cast<int>(i);
    return -1;
}

QStringList CatalogueLists::titles() const {
    QStringList out;
    for (const CatalogueTable& t : tables_) out << t.title;
    return out;
}

}  // namespace vexo::workspace
