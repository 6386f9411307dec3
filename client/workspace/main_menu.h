#pragma once

#include "menu_items.h"
#include "menu_state.h"

#include <QObject>

#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace vexo::workspace {

// The main menu and the tool buttons: built once from the item list, shaped
// by a MenuState. An item whose window this build lacks stays disabled with
// the hint saying so, whatever the rules would allow.
class MainMenu : public QObject {
    Q_OBJECT
public:
    MainMenu(QMainWindow* window, QToolBar* toolBar);

    // The action that stands for the item in the menu now (an analysis without
    // sub-items is a plain item, with them a sub-menu).
    QAction* action(MenuItem item) const;
    QMenu* menu(MenuItem item) const;  // menus and sub-menus; null otherwise
    void setAvailable(MenuItem item, bool available);
    bool isAvailable(MenuItem item) const { return available_[index(item)]; }
    void apply(const MenuState& state);
    // The hint of an item as the last apply left it.
    QString hint(MenuItem item) const;

signals:
    void triggered(vexo::workspace::MenuItem item);

private:
    static size_t index(MenuItem item) { return static_cast<size_t>(item); }
    QAction* makeAction(const MenuItemInfo& info, QWidget* owner);

    QMainWindow* window_;
    std::array<QAction*, kMenuItemCount> actions_{};
    std::array<QAction*, kMenuItemCount> leaves_{};  // analyses as plain items
    std::array<QMenu*, kMenuItemCount> menus_{};
    std::array<bool, kMenuItemCount> available_{};
    std::array<QString, kMenuItemCount> hints_{};
    bool groupSubItems_ = true;
};

}  // namespace vexo::workspace
