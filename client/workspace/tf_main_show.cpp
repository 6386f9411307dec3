// The catalogue side of the main window: showing it, themes, periods and
// years, moving between tables, the state after every data selection.
#include "catalogue_panel.h"
#include "compact_bar.h"
#include "data/data_module.h"
#include "data/dataset_model.h"
#include "data/settings_store.h"
#include "data/sql_text.h"
#include "data/text_codec.h"
#include "greeting.h"
#include "main_menu.h"
#include "period_panel.h"
#include "period_rules.h"
#include "program_files.h"
#include "startup/database_connection.h"
#include "table_navigation.h"
#include "territory_panel.h"
#include "tf_main.h"
#include "ui/app_error.h"
#include "ui/cursor_guard.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableView>

namespace vexo::workspace {

void TfMain::FormShow() {
    if (!dm_.isConnected() || (connection_ && !connection_->isReady())) return;
    ui::HourglassCursor hourglass;
    shown_ = true;
    hookDataEvents();
    pnlTop->imgGreeting->showFor(today());

    // Settings, read anew: another workstation may have changed them.
    dm_.nastr->open();  // posts a write still pending, then fetches anew
    data::SettingsStore store(dm_);
    settings_.load(store);
    {
        const QSignalBlocker quiet(cbExpEmpty);
        cbExpEmpty->setChecked(settings_.expEmpty);
    }
    setTerritoryOnly(settings_.lpuYn, false);

    // Periods in their stored order, without the cumulative ones.
    if (!dm_.period->isOpen()) dm_.period->open();
    dm_.setPeriodFilter(true);
    {
        const QSignalBlocker quiet(pnlPeriod->cbPeriod);
        const int previous = pnlPeriod->cbPeriod->currentIndex();
        pnlPeriod->cbPeriod->clear();
        const int b = dm_.period->fieldIndex("B");
        for (int row = 0; row < dm_.period->recordCount(); ++row)
            pnlPeriod->cbPeriod->addItem(dm_.period->valueAt(row, b).toString().trimmed());
        // Nothing is chosen on the first show, so that the default period applies.
        pnlPeriod->cbPeriod->setCurrentIndex(previous < pnlPeriod->cbPeriod->count() ? previous : -1);
    }

    // Themes and the catalogue lists.
    catalogue_.load(dm_);
    current_ = -1;
    {
        const QSignalBlocker quiet(pnlTop->cbTheme);
        pnlTop->cbTheme->clear();
        for (const Theme& t : catalogue_.themes()) pnlTop->cbTheme->addItem(t.name);
        themeIndex_ = catalogue_.themes().empty() ? -1 : 0;
        pnlTop->cbTheme->setCurrentIndex(themeIndex_);
    }
    bindTableList();

    chooseDefaultPeriod();
    if (!dm_.lpu->isOpen()) dm_.lpu->open();
    dm_.setLpuFilterMode(0);
    dm_.setLpuFiltered(true);
    {
        // The year goes in before the first table opens, so that it opens for that year.
        syncing_ = true;
        pnlPeriod->seYear->setValue(defaultYear(today()));
        syncing_ = false;
    }
    showUpperHalf(!fullScreen_);
    refreshMenu();

    if (themeIndex_ < 0) {
        refreshState();
        return;
    }
    restrictTablesToTheme(catalogue_.themes().front().code);
    openCurrentTable();
}

void TfMain::bindTableList() {
    QTableView* view = pnlTop->dbgTables;
    if (tablesModel_ && tablesModel_->dataset() == dm_.tblName) return;
    auto* model = new data::DatasetModel(dm_.tblName, this);
    model->setColumns({QStringLiteral("B")});
    QItemSelectionModel* oldSelection = view->selectionModel();
    view->setModel(model);
    delete oldSelection;
    delete tablesModel_;
    tablesModel_ = model;
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& index) {
        if (syncing_ || !index.isValid() || !dm_.tblName->isOpen()) return;
        syncing_ = true;
        dm_.tblName->moveTo(index.row());
        syncing_ = false;
        refreshPeriodicityLabel();
    });
    connect(dm_.tblName, &data::Dataset::currentChanged, this, [this] { syncTableListSelection(); });
    connect(dm_.tblName, &data::Dataset::modelReset, this, [this] { syncTableListSelection(); });
}

void TfMain::syncTableListSelection() {
    if (syncing_ || !tablesModel_ || !dm_.tblName) return;
    QTableView* view = pnlTop->dbgTables;
    const int row = dm_.tblName->isOpen() ? dm_.tblName->recNo() : -1;
    syncing_ = true;
    if (row >= 0 && row < tablesModel_->rowCount()) {
        const QModelIndex index = tablesModel_->index(row, 0);
        view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view->scrollTo(index);
    } else {
        view->selectionModel()->clearSelection();
    }
    syncing_ = false;
}

void TfMain::restrictTablesToTheme(const QString& code) {
    const QString sql =
        "select * from tblName where tblName='" + data::sqlEscape(code) + "' order by formkod,tblkod";
    if (dm_.tblName->selectSql() != sql) dm_.tblName->setSelectSql(sql);
    if (!dm_.tblName->isOpen()) dm_.tblName->open();
}

const CatalogueTable* TfMain::currentTableInfo() const {
    return current_ >= 0 && current_ < catalogue_.tableCount() ? &catalogue_.table(current_) : nullptr;
}

QString TfMain::themeCode() const {
    const auto& themes = catalogue_.themes();
    return themeIndex_ >= 0 && themeIndex_ < static_cast<int>(themes.size())
               ? themes[static_cast<size_t>(themeIndex_)].code
               : QString();
}

QString TfMain::themePeriodicity() const {
    const auto& themes = catalogue_.themes();
    return themeIndex_ >= 0 && themeIndex_ < static_cast<int>(themes.size())
               ? themes[static_cast<size_t>(themeIndex_)].periodicity
               : QString();
}

int TfMain::periodIndex() const { return pnlPeriod->cbPeriod->currentIndex(); }

QString TfMain::periodName() const { return pnlPeriod->cbPeriod->currentText(); }

int TfMain::year() const { return pnlPeriod->seYear->value(); }

bool TfMain::periodOnly() const { return pnlPeriod->cbPeriodOnly->isChecked(); }

bool TfMain::territoryOnly() const { return pnlTerritory->cbTerritoryOnly->isChecked(); }

void TfMain::refreshPeriodicityLabel() { pnlTop->lblPeriodicity->setText(periodicityWords(themePeriodicity())); }

void TfMain::chooseDefaultPeriod() {
    if (catalogue_.themes().empty()) return;
    QComboBox* box = pnlPeriod->cbPeriod;
    const int index = defaultPeriodIndex(themePeriodicity(), today().month(), box->currentIndex());
    if (index >= 0 && index < box->count() && index != box->currentIndex()) {
        const QSignalBlocker quiet(box);
        box->setCurrentIndex(index);
    }
    periodOnEnter_ = box->currentIndex();
    refreshPeriodicityLabel();
}

void TfMain::openCurrentTable() {
    data::Dataset& tables = *dm_.tblName;
    if (!tables.isOpen() || tables.isEmpty() || tables.recNo() < 0 || tables.text("B").trimmed().isEmpty()) {
        current_ = -1;
        showTableTitle({});
        setCommentsButtonVisible(false);
        refreshState();
        throw AppError(kNoTables);
    }
    const QString title = tables.text("B").trimmed();
    const QString formKod = tables.text("FORMKOD").trimmed();
    const QString tblKod = tables.text("TBLKOD").trimmed();
    current_ = catalogue_.indexOfTitle(title);

    showFormAndTableCodes(formBoxText(formKod), tableBoxText(tblKod));
    showTableTitle(title);
    refreshPeriodicityLabel();
    const CatalogueTable* info = currentTableInfo();
    const QString ntbl = info ? info->ntbl : tables.text("NTBL").trimmed();
    setCommentsButtonVisible(ProgramFiles(programFolder_).hasComments(ntbl));
    dm_.setCurrentTableKind(info ? info->vidSvoda : QString());
    rowMode_ = false;  // until the grid has read the table's columns
    refreshTableRights();
    syncTableListSelection();

    emit tableOpening(title, formKod, tblKod);
    refreshState();
}

void TfMain::showFormAndTableCodes(const QString& formCode, const QString& tableCode) {
    for (QLineEdit* e : {pnlTop->edForm, pnlCompact->edForm}) e->setText(formCode);
    for (QLineEdit* e : {pnlTop->edTable, pnlCompact->edTable}) e->setText(tableCode);
}

void TfMain::showTableTitle(const QString& title) {
    lblTitle->setText(title);
    lblTitle->setToolTip(title);
    lblTitle->setStatusTip(title);
}

void TfMain::setCommentsButtonVisible(bool visible) { btnComments->setVisible(visible); }

void TfMain::refreshTableRights() {
    const CatalogueTable* info = currentTableInfo();
    setTableAccessible(!info || rights_.mayView(info->ntbl));
}

void TfMain::setTableAccessible(bool accessible) {
    tableAccessible_ = accessible;
    pnlGrid->setCurrentWidget(accessible ? gridHost_ : static_cast<QWidget*>(lblNoRights));
    gridHost_->setEnabled(accessible);
    pnlPeriod->navigatorHost->setVisible(accessible);
    pnlCompact->navigatorHost->setVisible(accessible);
    refreshMenu();
}

void TfMain::tickReportingPeriodOnly() {
    const QSignalBlocker quiet(pnlPeriod->cbPeriodOnly);
    pnlPeriod->cbPeriodOnly->setChecked(true);
}

void TfMain::cbThemeChange(int index) {
    if (index < 0 || index >= static_cast<int>(catalogue_.themes().size())) return;
    settlePendingEdit();  // while the row is still checked by its own theme's periods
    themeIndex_ = index;
    if (pnlTop->cbTheme->currentIndex() != index) {
        const QSignalBlocker quiet(pnlTop->cbTheme);
        pnlTop->cbTheme->setCurrentIndex(index);
    }
    const Theme& theme = catalogue_.themes()[static_cast<size_t>(index)];
    current_ = catalogue_.firstOfTheme(theme.code);
    restrictTablesToTheme(theme.code);
    if (current_ >= 0) dm_.tblName->locate("B", catalogue_.table(current_).title);
    chooseDefaultPeriod();
    refreshMenu();  // the items of the derived tables follow the theme
    openCurrentTable();
}

void TfMain::cbPeriodChange(int) { periodOrYearChanged(); }

void TfMain::seYearChange(int) { periodOrYearChanged(); }

void TfMain::cbPeriodOnlyClick(bool) { periodOrYearChanged(); }

void TfMain::periodOrYearChanged() {
    QComboBox* box = pnlPeriod->cbPeriod;
    if (!periodFits(themePeriodicity(), box->currentIndex()) && periodOnEnter_ >= 0 && periodOnEnter_ < box->count()) {
        // A period of another kind: the one chosen before comes back.
        const QSignalBlocker quiet(box);
        box->setCurrentIndex(periodOnEnter_);
    } else {
        periodOnEnter_ = box->currentIndex();
    }
    openCurrentTable();
}

void TfMain::cbTerritoryOnlyClick(bool checked) { setTerritoryOnly(checked, true); }

void TfMain::setTerritoryOnly(bool on, bool store) {
    {
        const QSignalBlocker quiet(pnlTerritory->cbTerritoryOnly);
        pnlTerritory->cbTerritoryOnly->setChecked(on);
    }
    menu_->action(MenuItem::TerritoryOnly)->setChecked(on);
    if (!store) return;
    data::SettingsStore(dm_).write("LPUyn", on ? "1" : "0", true);
    settings_.lpuYn = on;
    emit selectionChanged();
    refreshState();
}

void TfMain::lockCheckBoxes(bool locked) {
    if (locked) {
        tickReportingPeriodOnly();
        if (!territoryOnly()) setTerritoryOnly(true, true);
    }
    pnlPeriod->cbPeriodOnly->setEnabled(!locked);
    pnlTerritory->cbTerritoryOnly->setEnabled(!locked);
    lockedCheckBoxes_ = locked;
    refreshMenu();
}

void TfMain::cbExpEmptyClick(bool checked) {
    data::SettingsStore(dm_).write("ExpEmpty", checked ? "Y" : "N", true);
    settings_.expEmpty = checked;
}

void TfMain::btnGoClick() {
    const GoToCodes codes = goToCodes(pnlTop->edForm->text(), pnlTop->edTable->text());
    if (catalogue_.indexOfFormTbl(codes.formTbl) < 0) return;
    // Only among the tables of the theme on screen.
    if (!dm_.tblName->isOpen() ||
        !dm_.tblName->locate(QStringList{"FORMKOD", "TBLKOD"}, QVariantList{codes.formKod, codes.tblKod}))
        return;
    openCurrentTable();
}

void TfMain::btnPrevClick() { moveInTables(false); }

void TfMain::btnNextClick() { moveInTables(true); }

void TfMain::moveInTables(bool forward) {
    data::Dataset& tables = *dm_.tblName;
    if (!tables.isOpen() || tables.isEmpty()) return;
    if (forward) tables.next();
    else tables.prior();
    const QString formTbl = tables.text("FORMKOD").trimmed() + tables.text("TBLKOD").trimmed();
    if (catalogue_.indexOfFormTbl(formTbl) >= 0) openCurrentTable();
    else refreshMenu();
}

void TfMain::setRowMode(bool on) {
    rowMode_ = on;
    refreshState();
}

QString TfMain::databaseText() const {
    if (connection_) return QStringLiteral("База: ") + connection_->databaseFolder() + startup::DatabaseConnection::kDatabaseFile;
    return QStringLiteral("База: ") + data::fromCp1251(dm_.connectParams().database);
}

void TfMain::refreshState() {
    const int rows = dm_.tblYear && dm_.tblYear->isOpen() ? dm_.tblYear->recordCount() : 0;
    stPanel1->setText(QStringLiteral("Количество записей: ") + QString::number(rows));
    stPanel2->setText(databaseText());

    if (dm_.nastr && dm_.lpu) {
        data::SettingsStore store(dm_);
        QString code = store.read("LPUDefa", "000000").trimmed();
        if (code.isEmpty()) code = QStringLiteral("000000");
        const QString field = settings_.newLpuB ? QStringLiteral("B1") : QStringLiteral("B");
        QString name;
        if (dm_.lpu->isOpen() && dm_.lpu->locate("A", code)) {
            name = dm_.lpu->text(field);
        } else if (dm_.qLpu && dm_.qLpu->isOpen()) {
            // A consolidation is not among the institutions of the list.
            name = dm_.qLpu->lookup("A", code, field).toString();
        }
        pnlTerritory->lblLpuName->setText(name.trimmed());
        pnlTerritory->lblLpuName->setToolTip(name.trimmed());
        settings_.rgMsOo = store.read("rgMS_OO", "0").trimmed() == "1" ? 1 : 0;
    }
    refreshMenu();
}

MenuInputs TfMain::menuInputs() const {
    MenuInputs in;
    in.userName = rights_.userName;
    in.administrator = rights_.administrator;
    in.passwordsOn = settings_.passwordsOn;
    in.groupTablesPresent = !catalogue_.groups().empty();
    in.themeCode = themeCode();
    in.periodOnly = periodOnly();
    in.territoryOnly = territoryOnly();
    in.checkBoxesLocked = lockedCheckBoxes_;
    in.rowCount = dm_.tblYear && dm_.tblYear->isOpen() ? dm_.tblYear->recordCount() : 0;
    in.rowMode = rowMode_;
    const CatalogueTable* info = currentTableInfo();
    in.vidSvoda = info ? info->vidSvoda : QString();
    in.mayViewTable = tableAccessible_;
    const data::Dataset* tables = dm_.tblName;
    const bool any = tables && tables->isOpen() && !tables->isEmpty();
    in.atFirstTable = !any || tables->recNo() <= 0;
    in.atLastTable = !any || tables->recNo() >= tables->recordCount() - 1;
    return in;
}

void TfMain::refreshMenu() {
    menu_->apply(MenuState::compute(menuInputs()));
    const bool prev = menu_->action(MenuItem::Previous)->isEnabled();
    const bool next = menu_->action(MenuItem::Next)->isEnabled();
    for (QPushButton* b : {pnlTop->btnPrev, pnlCompact->btnPrev}) b->setEnabled(prev);
    for (QPushButton* b : {pnlTop->btnNext, pnlCompact->btnNext}) b->setEnabled(next);
    pnlTerritory->btnDefaultTerritory->setEnabled(menu_->action(MenuItem::DefaultTerritory)->isEnabled());
}

void TfMain::showUpperHalf(bool on) {
    pnlTop->setVisible(on);
    pnlCompact->setVisible(!on);
}

}  // namespace vexo::workspace
