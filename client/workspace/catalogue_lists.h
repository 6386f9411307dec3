#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace vexo::data {
class TfDM;
class Dataset;
}  // namespace vexo::data

namespace vexo::workspace {

// One statistical table of TBLNAME, as the launched windows read it by position.
struct CatalogueTable {
    QString theme;       // TBLNAME.TBLNAME
    QString formKod;     // FORMKOD
    QString formSub;     // characters 4-5 of FORMKOD
    QString tblKod;      // TBLKOD
    QString formTbl;     // FORMKOD + TBLKOD
    QString ntbl;        // NTBL
    QString title;       // B
    QString vidSvoda;    // kind of consolidation
    QString cellParams;  // GETCELLPARAMS
    QString podpis;
    QString isBold;
    QString orderSp;
    QString kolRow;
    QString alignGr;
    QString alignGr800;
};

// One group table of TBLNAMES.
struct GroupTable {
    QString theme;
    QString formKod;
    QString tblKod;
    QString formTbl;
    QString ntbl;
    QString vidSvoda;
    QString orderSp;
    QString kolRow;
    QString title;
};

struct Theme {
    QString code;
    QString name;
    QString periodicity;
};

// The catalogue as the main window loads it when shown: themes in the order
// of their codes, tables in the order "formkod,tblkod". The position of a
// table here is the current table of the workspace; titles are unique.
class CatalogueLists {
public:
    static const QString kCatalogueSelect;

    void load(data::TfDM& dm);
    void clear();

    const std::vector<Theme>& themes() const { return themes_; }
    const std::vector<CatalogueTable>& tables() const { return tables_; }
    const std::vector<GroupTable>& groups() const { return groups_; }
    int tableCount() const { return static_cast<int>(tables_.size()); }
    const CatalogueTable& table(int position) const { return tables_.at(static_cast<size_t>(position)); }

    // -1 when absent.
    int indexOfTitle(const QString& title) const;
    int indexOfFormTbl(const QString& formTbl) const;
    int firstOfTheme(const QString& themeCode) const;
    int indexOfTheme(const QString& themeCode) const;
    // The hidden list of the window: all titles in catalogue order.
    QStringList titles() const;

private:
    std::vector<Theme> themes_;
    std::vector<CatalogueTable> tables_;
    std::vector<GroupTable> groups_;
};

}  // namespace vexo::workspace
