#include "main_menu.h"

#include "tool_glyphs.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace vexo::workspace {

MainMenu::MainMenu(QMainWindow* window, QToolBar* toolBar) : QObject(window), window_(window) {
    for (const MenuItemInfo& info : menuItems()) {
        available_[index(info.id)] = builtInThisBuild(info.id);
        switch (info.kind) {
            case ItemKind::Menu: {
                QMenu* m = window->menuBar()->addMenu(info.caption);
                menus_[index(info.id)] = m;
                actions_[index(info.id)] = m->menuAction();
                break;
            }
            case ItemKind::Submenu: {
                QMenu* parent = menus_[index(info.parent)];
                if (info.separatorBefore) parent->addSeparator();
                QMenu* m = parent->addMenu(info.caption);
                menus_[index(info.id)] = m;
                actions_[index(info.id)] = m->menuAction();
                if (isGroupAnalysis(info.id)) {
                    // Without group tables the analysis is an item of its own.
                    QAction* leaf = makeAction(info, parent);
                    parent->insertAction(m->menuAction(), leaf);
                    leaf->setVisible(false);
                    leaves_[index(info.id)] = leaf;
                }
                break;
            }
            case ItemKind::Separator: {
                QAction* s = menus_[index(info.parent)]->addSeparator();
                actions_[index(info.id)] = s;
                break;
            }
            case ItemKind::Action: {
                QMenu* parent = menus_[index(info.parent)];
                if (info.separatorBefore) parent->addSeparator();
                QAction* a = makeAction(info, parent);
                parent->addAction(a);
                actions_[index(info.id)] = a;
                break;
            }
            case ItemKind::ToolButton: {
                QAction* a = makeAction(info, toolBar);
                a->setIcon(toolGlyph(info.id));
                a->setIconText(info.caption);
                toolBar->addAction(a);
                actions_[index(info.id)] = a;
                break;
            }
        }
    }
    // Ctrl+Enter from the numeric pad too.
    if (QAction* full = actions_[index(MenuItem::FullScreen)])
        full->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
}

QAction* MainMenu::makeAction(const MenuItemInfo& info, QWidget* owner) {
    auto* a = new QAction(info.caption, owner);
    a->setObjectName(QStringLiteral("menuItem%1").arg(static_cast<int>(info.id)));
    if (!info.keys.isEmpty()) a->setShortcut(info.keys);
    a->setCheckable(info.checkable);
    a->setChecked(info.checked);
    a->setVisible(!info.hidden);
    // Shortcuts keep working while a menu is hidden (a table the user may not see).
    window_->addAction(a);
    const MenuItem id = info.id;
    connect(a, &QAction::triggered, this, [this, id] { emit triggered(id); });
    return a;
}

QAction* MainMenu::action(MenuItem item) const {
    const size_t i = index(item);
    if (leaves_[i] && !groupSubItems_) return leaves_[i];
    return actions_[i];
}

QMenu* MainMenu::menu(MenuItem item) const { return menus_[index(item)]; }

void MainMenu::setAvailable(MenuItem item, bool available) { available_[index(item)] = available; }

QString MainMenu::hint(MenuItem item) const { return hints_[index(item)]; }

void MainMenu::apply(const MenuState& state) {
    groupSubItems_ = state.groupSubItems();
    for (const MenuItemInfo& info : menuItems()) {
        const size_t i = index(info.id);
        const ItemState& s = state[info.id];
        const bool available = available_[i];
        const bool enabled = s.enabled && available;
        const QString hint = available ? s.hint : kUnavailableHint;
        hints_[i] = hint;
        QAction* shown = actions_[i];
        if (QAction* leaf = leaves_[i]) {
            // The analysis is either a sub-menu or an item, never both.
            leaf->setVisible(s.visible && !groupSubItems_);
            actions_[i]->setVisible(s.visible && groupSubItems_);
            leaf->setEnabled(enabled);
            leaf->setStatusTip(statusPart(hint));
            leaf->setShortcut(groupSubItems_ ? QKeySequence() : info.keys);
            shown = groupSubItems_ ? actions_[i] : leaf;
        } else {
            actions_[i]->setVisible(s.visible);
        }
        if (!shown) continue;
        shown->setEnabled(enabled);
        if (info.kind == ItemKind::ToolButton) {
            shown->setToolTip(available ? info.caption : info.caption + "\n" + kUnavailableHint);
            shown->setStatusTip(available ? info.caption : kUnavailableHint);
        } else if (info.kind != ItemKind::Separator) {
            shown->setStatusTip(statusPart(hint));
        }
    }
    // The analyses' shortcuts pass to their first sub-item while it exists.
    for (const MenuItemInfo& info : menuItems()) {
        if (!isGroupSubItem(info.id)) continue;
        const MenuItemInfo& parent = menuItemInfo(info.parent);
        const bool first = menuItems()[static_cast<size_t>(&info - menuItems().data()) - 1].id == parent.id;
        if (first) actions_[index(info.id)]->setShortcut(groupSubItems_ ? parent.keys : QKeySequence());
    }
}

}  // namespace vexo::workspace
