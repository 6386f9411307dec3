#pragma once

#include "menu_items.h"

#include <QString>

#include <array>

namespace vexo::workspace {

// What the shape of the menu depends on. The window fills it from the user,
// the theme, the current table and the two check boxes; the grid reports the
// row mode and the number of rows.
struct MenuInputs {
    QString userName;
    bool administrator = true;
    bool passwordsOn = false;         // setting Ust3 is "1"
    bool groupTablesPresent = true;   // TBLNAMES has rows
    QString themeCode;
    bool periodOnly = false;          // "Отображать данные только за отчетный период"
    bool territoryOnly = false;       // "Отображать данные только по выбранной территории"
    bool checkBoxesLocked = false;    // a table with fixed rows keeps both ticked
    int rowCount = 0;                 // rows of the current selection
    bool rowMode = false;             // the table has fixed rows
    QString vidSvoda;                 // kind of consolidation of the current table
    bool mayViewTable = true;
    bool atFirstTable = false;
    bool atLastTable = false;
};

struct ItemState {
    bool visible = true;
    bool enabled = true;
    QString hint;
};

// The state of every item by the rules of the workspace, before asking
// whether this build has the item's window.
class MenuState {
public:
    static MenuState compute(const MenuInputs& in);

    const ItemState& operator[](MenuItem item) const { return items_[static_cast<size_t>(item)]; }
    ItemState& operator[](MenuItem item) { return items_[static_cast<size_t>(item)]; }
    // The sub-items of the analyses exist only when there are group tables.
    bool groupSubItems() const { return groupSubItems_; }

private:
    std::array<ItemState, kMenuItemCount> items_{};
    bool groupSubItems_ = true;
};

// The part of a hint shown in the status bar: after "|" when it has two parts.
QString statusPart(const QString& hint);

}  // namespace vexo::workspace
