#include "menu_items.h"

#include <stdexcept>

namespace vexo::workspace {

const QString kUnavailableHint = QStringLiteral("Функция недоступна в этой сборке");

namespace {

using K = ItemKind;
using M = MenuItem;

MenuItemInfo item(M id, M parent, K kind, const char* caption, QKeySequence keys = {}) {
    return {id, parent, kind, QString::fromUtf8(caption), keys};
}

MenuItemInfo hidden(MenuItemInfo i) {
    i.hidden = true;
    return i;
}

MenuItemInfo checkable(MenuItemInfo i, bool checked) {
    i.checkable = true;
    i.checked = checked;
    return i;
}

MenuItemInfo separated(MenuItemInfo i) {
    i.separatorBefore = true;
    return i;
}

// An analysis with its two sub-items.
void analysis(std::vector<MenuItemInfo>& out, M id, M byTable, M byGroup, const char* caption, QKeySequence keys,
              bool isHidden = false) {
    MenuItemInfo parent = item(id, M::MenuAnalysis, K::Submenu, caption, keys);
    parent.hidden = isHidden;
    out.push_back(parent);
    out.push_back(item(byTable, id, K::Action, "По текущей &таблице"));
    out.push_back(item(byGroup, id, K::Action, "По &группе таблиц"));
}

std::vector<MenuItemInfo> build() {
    std::vector<MenuItemInfo> v;
    v.push_back(item(M::MenuTables, M::MenuTables, K::Menu, "&Таблицы"));
    v.push_back(item(M::FillTable, M::MenuTables, K::Action, "Заполнить &таблицу", QKeySequence(Qt::Key_Insert)));
    v.push_back(item(M::CopyData, M::MenuTables, K::Action, "С&копировать данные..."));
    v.push_back(item(M::MoveData, M::MenuTables, K::Action, "&Перенести данные..."));
    v.push_back(item(M::DeleteData, M::MenuTables, K::Action, "&Удалить данные...",
                     QKeySequence(Qt::CTRL | Qt::Key_Delete)));
    v.push_back(separated(item(M::Control, M::MenuTables, K::Action, "Контроль", QKeySequence(Qt::Key_F2))));
    v.push_back(item(M::InterFormControl, M::MenuTables, K::Action, "Межформенный контроль"));
    v.push_back(item(M::InterYearControl, M::MenuTables, K::Action, "Межгодовой контроль"));
    v.push_back(item(M::AutoCalc, M::MenuTables, K::Action, "&Автоподсчет ячеек таблицы...",
                     QKeySequence(Qt::Key_F10)));
    v.push_back(item(M::AutoCalcCell, M::MenuTables, K::Action, "Автоподсчет одной &ячейки...",
                     QKeySequence(Qt::Key_F11)));
    v.push_back(item(M::ShowCellFormula, M::MenuTables, K::Action, "Показать формулу подсчета ячейки",
                     QKeySequence(Qt::CTRL | Qt::Key_F11)));
    v.push_back(separated(item(M::ExportWord, M::MenuTables, K::Action, "Экспорт таблицы в MS &Word",
                               QKeySequence(Qt::CTRL | Qt::Key_W))));
    v.push_back(item(M::ExportExcel, M::MenuTables, K::Action, "Экспорт таблицы в MS &Excel",
                     QKeySequence(Qt::CTRL | Qt::Key_E)));
    v.push_back(item(M::ExportIE, M::MenuTables, K::Action, "Экспорт таблицы в &Internet Explorer",
                     QKeySequence(Qt::CTRL | Qt::Key_I)));
    v.push_back(separated(item(M::Previous, M::MenuTables, K::Action, "Предыдущая", QKeySequence(Qt::Key_F7))));
    v.push_back(item(M::Next, M::MenuTables, K::Action, "Следующая", QKeySequence(Qt::Key_F8)));
    v.push_back(separated(item(M::Exit, M::MenuTables, K::Action, "Вы&ход")));

    v.push_back(item(M::MenuAnalysis, M::MenuAnalysis, K::Menu, "&Анализ"));
    analysis(v, M::Svod, M::SvodTable, M::SvodGroup, "&Своды", QKeySequence(Qt::CTRL | Qt::Key_S));
    analysis(v, M::RowArray, M::RowArrayTable, M::RowArrayGroup, "Строчный &массив",
             QKeySequence(Qt::CTRL | Qt::Key_M));
    analysis(v, M::ColArray, M::ColArrayTable, M::ColArrayGroup, "&Графный массив",
             QKeySequence(Qt::CTRL | Qt::Key_G));
    analysis(v, M::Analytic, M::AnalyticTable, M::AnalyticGroup, "&Аналитические таблицы",
             QKeySequence(Qt::CTRL | Qt::Key_A));
    analysis(v, M::RowTimeArray, M::RowTimeArrayTable, M::RowTimeArrayGroup, "Строчный временной &массив", {});
    analysis(v, M::TerrTimeArray, M::TerrTimeArrayTable, M::TerrTimeArrayGroup, "Территориальный временной массив",
             {});
    analysis(v, M::ColTimeArray, M::ColTimeArrayTable, M::ColTimeArrayGroup, "Графный временной массив", {}, true);
    v.push_back(separated(item(M::ExcelForms, M::MenuAnalysis, K::Action, "Отчетные формы (MS Excel)")));
    v.push_back(separated(item(M::ReportedTerritories, M::MenuAnalysis, K::Action, "Список отчитавшихся территорий")));
    v.push_back(item(M::FilledTables, M::MenuAnalysis, K::Action, "Список заполненных таблиц",
                     QKeySequence(Qt::CTRL | Qt::Key_F3)));

    v.push_back(item(M::MenuExchange, M::MenuExchange, K::Menu, "&Обмен"));
    v.push_back(item(M::ExportData, M::MenuExchange, K::Action, "&Выгрузка данных...", QKeySequence(Qt::Key_F4)));
    v.push_back(item(M::ExportRefs, M::MenuExchange, K::Action, "Выгрузка справочников..."));
    v.push_back(separated(item(M::ImportData, M::MenuExchange, K::Action, "&Загрузка данных...",
                               QKeySequence(Qt::Key_F5))));
    v.push_back(item(M::ImportRefs, M::MenuExchange, K::Action, "Загрузка справочников..."));

    v.push_back(item(M::MenuService, M::MenuService, K::Menu, "&Сервис"));
    v.push_back(item(M::Admin, M::MenuService, K::Action, "&Администратор"));
    v.push_back(item(M::ChangeUser, M::MenuService, K::Action, "Смена поль&зователя"));
    v.push_back(item(M::ChangePassword, M::MenuService, K::Action, "Смена паро&ля"));
    v.push_back(separated(item(M::DatabasePath, M::MenuService, K::Action, "&Путь к базе данных")));
    v.push_back(hidden(item(M::Database, M::MenuService, K::Submenu, "&База данных")));
    v.push_back(item(M::RedundantRecords, M::Database, K::Action, "Поиск \"&лишних\" записей"));
    v.push_back(separated(item(M::Settings, M::MenuService, K::Action, "&Настройки", QKeySequence(Qt::Key_F9))));
    v.push_back(item(M::ServiceSeparator, M::MenuService, K::Separator, ""));
    v.push_back(item(M::Service, M::MenuService, K::Submenu, "Служебные функции"));
    v.push_back(hidden(item(M::MedstatExport, M::Service, K::Action, "Выгрузка в Медстат")));
    v.push_back(hidden(item(M::GenerateTables, M::Service, K::Action, "Генерация таблиц ГСО...")));
    v.push_back(hidden(item(M::AddSection, M::Service, K::Action, "Добавить разрез...")));
    v.push_back(hidden(item(M::RemoveSection, M::Service, K::Action, "Удалить разрез...")));
    v.push_back(hidden(
        item(M::AddServiceFields, M::Service, K::Action, "Формирование таблицы: добавление служебных полей...")));
    v.push_back(hidden(item(M::ExportStructure, M::Service, K::Action, "Экспорт структуры таблиц")));
    v.push_back(item(M::YellowCells, M::Service, K::Action, "Заполнение справочника \"желтых\" ячеек для Медстата"));
    v.push_back(item(M::BlankExport, M::MenuService, K::Action, "Выгрузка Медстата в бланки форм"));

    v.push_back(item(M::MenuView, M::MenuView, K::Menu, "&Вид"));
    v.push_back(checkable(item(M::ShowToolbar, M::MenuView, K::Action, "Панель у&правления"), true));
    v.push_back(item(M::TerritoryMenu, M::MenuView, K::Submenu, "Панель &территории"));
    v.push_back(checkable(item(M::ShowTerritory, M::TerritoryMenu, K::Action, "&Показать"), true));
    v.push_back(checkable(item(M::TerritoryOnly, M::TerritoryMenu, K::Action, "Данные только по &выбранной территории"),
                          false));
    v.push_back(item(M::DefaultTerritory, M::TerritoryMenu, K::Action, "&Территория по умолчанию..."));
    v.push_back(checkable(item(M::ShowStatusBar, M::MenuView, K::Action, "&Строка состояния"), true));
    MenuItemInfo full = checkable(item(M::FullScreen, M::MenuView, K::Action, "&На весь экран",
                                       QKeySequence(Qt::CTRL | Qt::Key_Return)),
                                  false);
    full.separatorBefore = true;
    v.push_back(full);

    v.push_back(item(M::MenuHelp, M::MenuHelp, K::Menu, "&?"));
    v.push_back(item(M::Manual, M::MenuHelp, K::Action, "&Руководство пользователя", QKeySequence(Qt::Key_F1)));
    v.push_back(item(M::History, M::MenuHelp, K::Action, "Что нового"));
    v.push_back(separated(item(M::About, M::MenuHelp, K::Action, "&О программе")));

    v.push_back(item(M::ToolSvod, M::ToolSvod, K::ToolButton, "Работа со сводами"));
    v.push_back(item(M::ToolExportData, M::ToolExportData, K::ToolButton, "Выгрузка сведений из базы данных"));
    v.push_back(item(M::ToolImportData, M::ToolImportData, K::ToolButton, "Загрузка сведений в базу данных"));
    v.push_back(item(M::ToolWord, M::ToolWord, K::ToolButton, "Экспорт выбранной таблицы в MS Word"));
    v.push_back(item(M::ToolExcel, M::ToolExcel, K::ToolButton, "Экспорт выбранной таблицы в MS Excel"));
    v.push_back(item(M::ToolIE, M::ToolIE, K::ToolButton, "Экспорт выбранной таблицы в Internet Explorer"));
    v.push_back(item(M::ToolSettings, M::ToolSettings, K::ToolButton, "Настройки программы"));
    return v;
}

}  // namespace

const std::vector<MenuItemInfo>& menuItems() {
    static const std::vector<MenuItemInfo> items = build();
    return items;
}

const MenuItemInfo& menuItemInfo(MenuItem id) {
    for (const MenuItemInfo& i : menuItems())
        if (i.id == id) return i;
    throw std::out_of_range("menu item without a description");
}

bool isGroupAnalysis(MenuItem item) {
    switch (item) {
        case M::Svod:
        case M::RowArray:
        case M::ColArray:
        case M::Analytic:
        case M::RowTimeArray:
        case M::TerrTimeArray:
        case M::ColTimeArray: return true;
        default: return false;
    }
}

bool isGroupSubItem(MenuItem item) {
    const MenuItemInfo& info = menuItemInfo(item);
    return info.kind == K::Action && isGroupAnalysis(info.parent);
}

MenuItem toolTwin(MenuItem tool) {
    switch (tool) {
        case M::ToolExportData: return M::ExportData;
        case M::ToolImportData: return M::ImportData;
        case M::ToolWord: return M::ExportWord;
        case M::ToolExcel: return M::ExportExcel;
        case M::ToolIE: return M::ExportIE;
        case M::ToolSettings: return M::Settings;
        default: return tool;
    }
}

bool builtInThisBuild(MenuItem item) {
    switch (item) {
        case M::MenuTables:
        case M::MenuAnalysis:
        case M::MenuExchange:
        case M::MenuService:
        case M::MenuView:
        case M::MenuHelp:
        case M::FillTable:
        case M::DeleteData:
        case M::Previous:
        case M::Next:
        case M::Exit:
        case M::Admin:
        case M::ChangeUser:
        case M::ChangePassword:
        case M::DatabasePath:
        case M::ServiceSeparator:
        case M::Service:
        case M::Database:
        case M::ShowToolbar:
        case M::TerritoryMenu:
        case M::ShowTerritory:
        case M::TerritoryOnly:
        case M::ShowStatusBar:
        case M::FullScreen:
        case M::Manual:
        case M::History:
        case M::About: return true;
        default: return false;
    }
}

}  // namespace vexo::workspace
