#include "grid_fixture.h"

#include "data/sql_text.h"
#include "metadata_year.h"

namespace vexo::test {

const char* const kReferenceRows =
    "INSERT INTO KODIF (A, C, B, B1, RAION) VALUES ('010001', '01', 'ЦРБ', 'Центральная районная больница', '01');\n"
    "INSERT INTO KODIF (A, C, B, B1, RAION) VALUES ('010002', '02', 'Детская больница', 'Городская детская больница', '01');\n"
    "INSERT INTO PERIOD (A, B) VALUES ('I', 'I квартал');\n"
    "INSERT INTO PERIOD (A, B) VALUES ('II', 'II квартал');\n"
    "INSERT INTO PERIOD (A, B) VALUES ('год', 'Весь год');\n"
    "INSERT INTO PERIOD (A, B) VALUES ('102', 'За 2 месяца');\n";

std::optional<grid::CatalogueTable> FakeHost::makeTableCurrent(const QString& t) {
    const auto it = catalogue.find(t);
    if (it == catalogue.end()) return std::nullopt;
    current_ = it->second;
    return current_;
}

void FakeHost::selectData() {
    ++selections;
    const QString n = QString::number(current_.number);
    const QString filter = "Ntbl=" + n + " and period='" + data::sqlEscape(period.leftJustified(3, ' ')) +
                           "' and tbl.god=" + QString::number(year) + " and lpu='" + data::sqlEscape(lpu) + "'";
    QString sql;
    if (builder && builder->isRowMode()) {
        const std::optional<int> god = grid::metadataYear(current_.number, year);
        const QString rowYear = god ? " and \"ROWS\".god=" + QString::number(*god) : QString();
        sql = "select * from tbl, \"ROWS\" where " + filter + " and tbl.\"ROW\"=\"ROWS\".a " + " and tbl=" + n + " " +
              rowYear + "order by \"ROWS\".item";
    } else {
        sql = "select * from tbl where " + filter;
    }
    dm->tblYear->setSelectSql(sql);
    dm->tblYear->open();
}

GridFixture::GridFixture(const std::string& script) {
    db.runScript(std::string(kReferenceRows) + script);
    db.commit();
    dm.connectDatabase(db.params());
    dm.openAll();
    dm.setPeriodFilter(true);
    grid = std::make_unique<grid::TDBGridEh>();
    builder = std::make_unique<grid::TableGridBuilder>(dm, *grid, host);
    host.builder = builder.get();
    host.userRights.setPasswordsOff();
    host.dm = &dm;
}

void GridFixture::open(const QString& title) {
    const grid::CatalogueTable& t = host.catalogue.at(title);
    builder->buildGrid(title, t.formKod, t.tblKod);
}

}  // namespace vexo::test
