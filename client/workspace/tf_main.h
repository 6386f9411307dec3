#pragma once

#include "catalogue_lists.h"
#include "menu_items.h"
#include "menu_state.h"
#include "startup/user_rights.h"
#include "workspace_settings.h"

#include <QDate>
#include <QMainWindow>
#include <QPointer>

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QSplitter;
class QStackedWidget;
class QToolBar;

namespace vexo::data {
class TfDM;
class Dataset;
class DatasetModel;
}  // namespace vexo::data
namespace vexo::grid {
class DatasetNavigator;
class TableGridBuilder;
class TDBGridEh;
struct CatalogueTable;
}  // namespace vexo::grid
namespace vexo::startup {
class ErrorReport;
class DatabaseConnection;
}  // namespace vexo::startup

namespace vexo::workspace {

class CataloguePanel;
class CompactBar;
class HintRouter;
class MainGridHost;
class MainMenu;
class PeriodPanel;
class TerritoryPanel;

// The main window: it lives for the whole run and owns the catalogue lists
// and the current table, period, year and territory. The grid and the windows
// launched from the menu read that state here and plug in through the
// hooks below.
class TfMain : public QMainWindow {
    Q_OBJECT
public:
    static const QString kTitle;  // "Ривента"
    static const QString kNoRights;
    static const QString kNoTables;

    TfMain(data::TfDM& dm, startup::ErrorReport& errors, QWidget* parent = nullptr);
    ~TfMain() override;

    // Set before the window is shown.
    void setConnection(startup::DatabaseConnection* connection) { connection_ = connection; }
    void setProgramFolder(const QString& folder);
    using Clock = std::function<QDate()>;
    void setClock(Clock clock) { clock_ = std::move(clock); }
    // Opens a document with the system's handler (the manual, history, comments).
    using DocumentOpener = std::function<bool(const QString& path)>;
    void setDocumentOpener(DocumentOpener opener) { openDocument_ = std::move(opener); }
    // An existing file chosen by the user; empty when cancelled.
    using FileChooser = std::function<QString(const QString& title, const QString& folder, const QString& filter)>;
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // State read by the grid and the launched windows.
    startup::UserRights& rights() { return rights_; }
    const startup::UserRights& rights() const { return rights_; }
    const WorkspaceSettings& settings() const { return settings_; }
    const CatalogueLists& catalogue() const { return catalogue_; }
    int currentTable() const { return current_; }  // position in the catalogue lists; -1 for none
    const CatalogueTable* currentTableInfo() const;
    QString themeCode() const;
    QString themePeriodicity() const;
    int periodIndex() const;
    QString periodName() const;
    int year() const;
    bool periodOnly() const;
    bool territoryOnly() const;
    QDate today() const { return clock_(); }
    QString programFolder() const { return programFolder_; }

    // Where the grid goes, and the hosts of its two record navigators.
    QWidget* gridArea() const { return gridHost_; }
    QWidget* navigatorArea() const;
    QWidget* compactNavigatorArea() const;
    QProgressBar* progressBar1() const;
    QProgressBar* progressBar2() const;
    void setStatusText(int panel, const QString& text);
    QString statusText(int panel) const;

    // What the grid does to the window around it while it builds a table.
    void showFormAndTableCodes(const QString& formCode, const QString& tableCode);
    void showTableTitle(const QString& title);
    void refreshPeriodicityLabel();
    void setCommentsButtonVisible(bool visible);
    // Without the right to see the table the grid gives way to the refusal
    // and everything that works on the table is hidden.
    void setTableAccessible(bool accessible);
    bool tableAccessible() const { return tableAccessible_; }
    void tickReportingPeriodOnly();
    // The grid reports what the menu rules need; each call refreshes the state.
    void setRowMode(bool on);
    bool rowMode() const { return rowMode_; }
    // Row mode ticks both check boxes and locks them.
    void lockCheckBoxes(bool locked);
    // After every data selection: status bar, default territory, menu.
    void refreshState();

    // The grid of the current table and the builder that knows its columns.
    grid::TableGridBuilder& gridBuilder() const { return *builder_; }
    // The data filter of the last selection ("Ntbl=12 and period='I  ' ...").
    const QString& dataFilter() const { return dataFilter_; }
    // The grid makes the table it opens current; nullopt when the title is unknown.
    std::optional<grid::CatalogueTable> makeTableCurrent(const QString& title);
    // The grid's context menu "Очистить таблицу..." (list tables).
    void setClearTableMenu(bool attached);
    // Copy and move work on tblYear without its data events.
    void setDataEventsEnabled(bool on) { dataEvents_ = on; }

    // Later windows plug into their menu items; the item becomes available.
    void setMenuHandler(MenuItem item, std::function<void()> handler);
    MainMenu& mainMenu() const { return *menu_; }
    MenuInputs menuInputs() const;

    // Components.
    QToolBar* ToolBar1;
    QCheckBox* cbExpEmpty;
    CataloguePanel* pnlTop;
    QSplitter* Splitter1;
    QPushButton* btnComments;
    QLabel* lblTitle;
    QStackedWidget* pnlGrid;
    QLabel* lblNoRights;
    TerritoryPanel* pnlTerritory;
    PeriodPanel* pnlPeriod;
    CompactBar* pnlCompact;
    QLabel* stPanel1;
    QLabel* stPanel2;
    grid::TDBGridEh* DBGridEh1;
    grid::DatasetNavigator* DBNavigator1;  // in the period panel
    grid::DatasetNavigator* DBNavigator2;  // in the compact bar
    QAction* miClearTable;                 // "Очистить таблицу..."

signals:
    // Open current table: the grid saves or cancels a pending edit, builds
    // itself for this table and selects its data.
    void tableOpening(const QString& title, const QString& formKod, const QString& tblKod);
    // Period, year, territory or a check box changed: select the data again.
    void selectionChanged();

public slots:
    // Every exception that reaches the application's hook.
    void ApplicationEvents1Exception(std::exception_ptr error);

    void FormShow();
    void openCurrentTable();
    void cbThemeChange(int index);
    void cbPeriodChange(int index);
    void seYearChange(int year);
    void cbPeriodOnlyClick(bool checked);
    void cbTerritoryOnlyClick(bool checked);
    void cbExpEmptyClick(bool checked);
    void btnGoClick();
    void btnPrevClick();
    void btnNextClick();
    void btnCommentsClick();

    // The data of the current table.
    void buildTableGrid(const QString& title, const QString& formKod, const QString& tblKod);
    void selectData();
    void miFillTableClick();
    void miDeleteDataClick();

    void miExitClick();
    void miAdminClick();
    void miChangeUserClick();
    void miChangePasswordClick();
    void miDatabasePathClick();
    void miShowToolbarClick(bool checked);
    void miShowTerritoryClick(bool checked);
    void miStatusBarClick(bool checked);
    void miFullScreenClick(bool checked);
    void miManualClick();
    void miHistoryClick();
    void miAboutClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Which rights an action needs: fill, delete, copy and move ask both;
    // the insert button, the Insert key and F3 only the right to edit.
    enum class Need { ViewAndEdit, Edit };

    void buildWindow();
    void wireControls();
    void onMenuTriggered(MenuItem item);
    void runHandler(MenuItem item);
    void refreshMenu();
    void refreshTableRights();
    void chooseDefaultPeriod();
    void periodOrYearChanged();
    void bindTableList();
    void syncTableListSelection();
    void restrictTablesToTheme(const QString& code);
    void moveInTables(bool forward);
    void setTerritoryOnly(bool on, bool store);
    void applyPlacement();
    void savePlacement();
    void showUpperHalf(bool on);
    QString databaseText() const;
    void openFile(const QString& path);

    // The grid and the data of the table (tf_main_grid.cpp, tf_main_data.cpp).
    void buildGrid();
    void hookDataEvents();
    bool gridEvent(QObject* pane, QEvent* event);
    void navigatorClicked(int button);
    void guarded(const std::function<void()>& action);
    void requireRights(Need need) const;
    QString newRowTerritory() const;
    QString territoryName(const QString& code) const;
    QString filterPeriod() const;
    void fillTable(Need need);
    void deleteData();
    void deleteCurrentRow();
    void addToCell();
    // A row left in edit when the table changes: saved on OK, given up otherwise.
    void settlePendingEdit();
    bool checkRowPeriod(data::Dataset& ds, bool tell);
    void tblYearAfterInsert(data::Dataset& ds);
    void tblYearBeforeEdit(data::Dataset& ds);
    void tblYearBeforePost(data::Dataset& ds);
    void tblYearAfterPostOrDelete(data::Dataset& ds);

    data::TfDM& dm_;
    startup::ErrorReport& errors_;
    startup::DatabaseConnection* connection_ = nullptr;
    QString programFolder_;
    Clock clock_;
    DocumentOpener openDocument_;
    FileChooser chooseFile_;

    startup::UserRights rights_;
    WorkspaceSettings settings_;
    CatalogueLists catalogue_;
    int current_ = -1;
    int themeIndex_ = -1;
    int periodOnEnter_ = -1;
    bool rowMode_ = false;
    bool fullScreen_ = false;
    bool shown_ = false;
    bool syncing_ = false;
    bool lockedCheckBoxes_ = false;
    bool tableAccessible_ = true;

    MainMenu* menu_ = nullptr;
    HintRouter* hints_ = nullptr;
    data::DatasetModel* tablesModel_ = nullptr;
    QWidget* gridHost_ = nullptr;
    std::map<MenuItem, std::function<void()>> handlers_;

    std::unique_ptr<MainGridHost> gridBridge_;
    grid::TableGridBuilder* builder_ = nullptr;
    QString dataFilter_;
    QPointer<data::Dataset> hookedTblYear_;  // tblYear is created anew with every connection
    bool dataEvents_ = true;
};

}  // namespace vexo::workspace
