#include "menu_state.h"

namespace vexo::workspace {

namespace {

const QString kSumming = QStringLiteral("свод:_сумма");
const QString kDerivedTheme = QStringLiteral("999");
const QString kNeedsCheckBoxes =
    QStringLiteral("Для доступа к функции включите флажки на панелях территории и отчетного периода");
const QString kNeedsRows = QStringLiteral("Для доступа к функции таблица должна содержать хотя бы одну запись");
const QString kOneRow = QStringLiteral(", т.к. таблица однострочная");

void set(ItemState& s, bool enabled, const QString& enabledHint, const QString& disabledHint) {
    s.enabled = enabled;
    s.hint = enabled ? enabledHint : disabledHint;
}

}  // namespace

QString statusPart(const QString& hint) {
    const qsizetype bar = hint.indexOf('|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

MenuState MenuState::compute(const MenuInputs& in) {
    using M = MenuItem;
    MenuState st;
    for (const MenuItemInfo& info : menuItems())
        if (info.hidden) st[info.id].visible = false;

    // Users and rights.
    set(st[M::Admin], in.administrator, QStringLiteral("Изменение уровней прав доступа, имен пользователей, паролей"),
        QStringLiteral("У Вас нет прав администратора"));
    set(st[M::ChangeUser], in.passwordsOn, QStringLiteral("Вход в программу под другим именем"),
        QStringLiteral("Для входа в программу под другим именем включите систему паролей"));
    set(st[M::ChangePassword], in.passwordsOn && !in.administrator,
        QStringLiteral("Изменение пароля на вход в программу"),
        in.passwordsOn ? QStringLiteral("Для изменения пароля воспользуйтесь пунктом \"Администратор\"")
                       : QStringLiteral("Для изменения пароля на вход в программу включите систему паролей"));
    const bool sa = in.userName == QStringLiteral("sa");
    st[M::ServiceSeparator].visible = sa;
    st[M::Service].visible = sa;

    // Items of the derived tables.
    const bool derived = in.themeCode == kDerivedTheme;
    for (M item : {M::InterFormControl, M::InterYearControl, M::AutoCalcCell, M::ShowCellFormula})
        st[item].visible = derived;

    // Office output needs the data of one period and one territory.
    const bool both = in.periodOnly && in.territoryOnly;
    set(st[M::ExportWord], both,
        QStringLiteral("Выгрузка текущей таблицы в MS Word с последующей возможностью сохранения в файл, печати и т.д."),
        kNeedsCheckBoxes);
    set(st[M::ExportExcel], both,
        QStringLiteral("Выгрузка текущей таблицы в MS Excel с последующей возможностью сохранения в файл, печати и т.д."),
        kNeedsCheckBoxes);
    set(st[M::ExportIE], both, QString(), kNeedsCheckBoxes);
    for (M tool : {M::ToolWord, M::ToolExcel, M::ToolIE}) st[tool].enabled = both;
    set(st[M::DeleteData], both && in.rowCount > 0,
        QStringLiteral("Удаление данных за указанный период по выбранной территории из текущей таблицы"),
        both ? kNeedsRows : kNeedsCheckBoxes);

    const bool hasRows = derived || in.rowCount > 0;
    set(st[M::MoveData], hasRows,
        QStringLiteral("Перенос данных текущей таблицы на другую территорию или на друой отчетный период"), kNeedsRows);
    set(st[M::CopyData], hasRows,
        QStringLiteral("Копирование данных текущей таблицы на другую территорию или на другой отчетный период"),
        kNeedsRows);

    // Arrays make sense for summed tables, the row and column ones only with fixed rows.
    const bool summing = in.vidSvoda == kSumming;
    const bool fixedSumming = summing && in.rowMode;
    const QString oneRow = in.rowMode ? QString() : kOneRow;
    set(st[M::RowArray], fixedSumming, QStringLiteral("Формирование выборок по конкретной строке для текущей таблицы"),
        QStringLiteral("Для данной таблицы функция строчного массива не имеет смысла") + oneRow);
    set(st[M::ColArray], fixedSumming, QStringLiteral("Формирование выборок по конкретной графе для текущей таблицы"),
        QStringLiteral("Для данной таблицы функция графного массива не имеет смысла") + oneRow);
    set(st[M::Analytic], fixedSumming,
        QStringLiteral("Формирование выборок (сравнительных показателей) по конкретной ячейке для текущей таблицы"),
        in.rowMode ? QStringLiteral("Для данной таблицы функция не имеет смысла")
                   : QStringLiteral("Данная функция работает с многострочными таблицами"));
    const QString rowTimeRefusal = QStringLiteral("Для данной таблицы функция строчного временного массива не имеет смысла");
    set(st[M::RowTimeArray], summing,
        QStringLiteral("Формирование временных выборок по конкретной строке для текущей таблицы"), rowTimeRefusal);
    set(st[M::ColTimeArray], summing,
        QStringLiteral("Формирование временных выборок по конкретной графе для текущей таблицы"),
        QStringLiteral("Для данной таблицы функция графного временного массива не имеет смысла"));
    set(st[M::TerrTimeArray], summing,
        QStringLiteral("Формирование территориальных временных выборок по конкретной ячейке для текущей таблицы"),
        rowTimeRefusal);

    // Group tables: without them the analyses have no sub-items.
    st.groupSubItems_ = in.groupTablesPresent;
    for (const MenuItemInfo& info : menuItems())
        if (isGroupSubItem(info.id) && !in.groupTablesPresent) st[info.id].visible = false;

    // A table the user may not see hides everything that works on it.
    if (!in.mayViewTable) {
        for (M item : {M::MenuTables, M::MenuAnalysis, M::Svod, M::RowArray, M::Analytic, M::ColArray, M::RowTimeArray,
                       M::TerrTimeArray, M::ToolSvod, M::ToolWord, M::ToolExcel, M::ToolIE})
            st[item].visible = false;
    }

    st[M::TerritoryOnly].enabled = !in.checkBoxesLocked;

    // Navigation in the table list.
    st[M::Previous].enabled = !in.atFirstTable;
    st[M::Next].enabled = !in.atLastTable;
    return st;
}

}  // namespace vexo::workspace
