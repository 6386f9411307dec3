#include "main_grid_host.h"

#include "tf_main.h"

#include <QGuiApplication>
#include <QScreen>

namespace vexo::workspace {

grid::CatalogueTable MainGridHost::gridTable(const CatalogueTable& t) {
    grid::CatalogueTable g;
    g.number = t.ntbl.trimmed().toInt();
    g.title = t.title;
    g.formKod = t.formKod;
    g.tblKod = t.tblKod;
    g.vidSvoda = t.vidSvoda;
    g.alignGr = t.alignGr;
    g.alignGr800 = t.alignGr800;
    g.getCellParams = t.cellParams;
    g.orderSp = t.orderSp;
    return g;
}

grid::GridSettings MainGridHost::gridSettings(const WorkspaceSettings& s) {
    grid::GridSettings g;
    g.showNstr = s.showNstr;
    g.showPerLpu = s.showPerLpu;
    g.colorCells = s.colorCells;
    g.zdravVer = s.zdravVer;
    g.newLpuB = s.newLpuB;
    g.cellsColor = grid::GridSettings::fromColorValue(s.cellsColor);
    return g;
}

std::optional<grid::CatalogueTable> MainGridHost::makeTableCurrent(const QString& title) {
    return main_.makeTableCurrent(title);
}

void MainGridHost::showFormAndTableCodes(const QString& formCode, const QString& tableCode) {
    main_.showFormAndTableCodes(formCode, tableCode);
}

void MainGridHost::showTableTitle(const QString& title) { main_.showTableTitle(title); }

void MainGridHost::refreshPeriodicityLabel() { main_.refreshPeriodicityLabel(); }

int MainGridHost::reportingYear() const { return main_.year(); }

void MainGridHost::selectData() { main_.selectData(); }

void MainGridHost::tickReportingPeriodOnly() { main_.tickReportingPeriodOnly(); }

void MainGridHost::setSelectionBoxesLocked(bool locked) { main_.lockCheckBoxes(locked); }

void MainGridHost::refreshState() { main_.refreshState(); }

void MainGridHost::setTableAccessible(bool accessible) { main_.setTableAccessible(accessible); }

void MainGridHost::setCommentsButtonVisible(bool visible) { main_.setCommentsButtonVisible(visible); }

void MainGridHost::setClearTableMenu(bool attached) { main_.setClearTableMenu(attached); }

QList<grid::DatasetNavigator*> MainGridHost::navigators() { return {main_.DBNavigator1, main_.DBNavigator2}; }

int MainGridHost::screenWidth() const {
    const QScreen* screen = main_.screen() ? main_.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 1024;
}

grid::GridSettings MainGridHost::settings() const { return gridSettings(main_.settings()); }

const startup::UserRights& MainGridHost::rights() const { return std::as_const(main_).rights(); }

QString MainGridHost::programFolder() const { return main_.programFolder(); }

}  // namespace vexo::workspace
