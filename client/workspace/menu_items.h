#pragma once

#include <QKeySequence>
#include <QString>

#include <vector>

namespace vexo::workspace {

// Every item of the main menu and every tool button, by role.
enum class MenuItem {
    // Menus of the menu bar.
    MenuTables, MenuAnalysis, MenuExchange, MenuService, MenuView, MenuHelp,
    // "&Таблицы"
    FillTable, CopyData, MoveData, DeleteData, Control, InterFormControl, InterYearControl, AutoCalc, AutoCalcCell,
    ShowCellFormula, ExportWord, ExportExcel, ExportIE, Previous, Next, Exit,
    // "&Анализ": each analysis has the two sub-items of the group tables.
    Svod, SvodTable, SvodGroup,
    RowArray, RowArrayTable, RowArrayGroup,
    ColArray, ColArrayTable, ColArrayGroup,
    Analytic, AnalyticTable, AnalyticGroup,
    RowTimeArray, RowTimeArrayTable, RowTimeArrayGroup,
    TerrTimeArray, TerrTimeArrayTable, TerrTimeArrayGroup,
    ColTimeArray, ColTimeArrayTable, ColTimeArrayGroup,
    ExcelForms, ReportedTerritories, FilledTables,
    // "&Обмен"
    ExportData, ExportRefs, ImportData, ImportRefs,
    // "&Сервис"
    Admin, ChangeUser, ChangePassword, DatabasePath, Database, RedundantRecords, Settings, ServiceSeparator, Service,
    MedstatExport, GenerateTables, AddSection, RemoveSection, AddServiceFields, ExportStructure, YellowCells,
    BlankExport,
    // "&Вид"
    ShowToolbar, TerritoryMenu, ShowTerritory, TerritoryOnly, DefaultTerritory, ShowStatusBar, FullScreen,
    // "&?"
    Manual, History, About,
    // Tool buttons.
    ToolSvod, ToolExportData, ToolImportData, ToolWord, ToolExcel, ToolIE, ToolSettings,
    Count
};

constexpr int kMenuItemCount = static_cast<int>(MenuItem::Count);

enum class ItemKind { Menu, Submenu, Action, Separator, ToolButton };

struct MenuItemInfo {
    MenuItem id;
    MenuItem parent;  // the menu it sits in (itself for the menus of the bar and the tool buttons)
    ItemKind kind;
    QString caption;
    QKeySequence keys;
    bool hidden = false;      // exists, never shown
    bool checkable = false;
    bool checked = false;     // at first
    bool separatorBefore = false;
};

// The menu in the order it is shown.
const std::vector<MenuItemInfo>& menuItems();
const MenuItemInfo& menuItemInfo(MenuItem item);

// The analyses that carry the sub-items "По текущей &таблице" and "По &группе таблиц".
bool isGroupAnalysis(MenuItem item);
bool isGroupSubItem(MenuItem item);

// The menu item a tool button duplicates; the button itself when it has none.
MenuItem toolTwin(MenuItem tool);

// Items whose window this build has: everything else is shown disabled.
bool builtInThisBuild(MenuItem item);

// The hint of an item whose window comes with a later build.
extern const QString kUnavailableHint;

}  // namespace vexo::workspace
