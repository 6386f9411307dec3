// The grid of the main window: building it into the window, its record
// navigators, its keys and its context menu.
#include "data/data_module.h"
#include "main_grid_host.h"
#include "tf_main.h"
#include "workspace/grid/data_grid.h"
#include "workspace/grid/dataset_navigator.h"
#include "workspace/grid/grid_pane.h"
#include "workspace/grid/table_grid_builder.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>

namespace vexo::workspace {

namespace {

const QString kBuildingTable = QStringLiteral("Ждите... Идет формирование таблицы");

// The keys the grid handles itself rather than the menu's shortcuts.
enum class GridKey { None, Insert, CtrlDelete, F3, CtrlEnter };

GridKey gridKeyOf(const QKeyEvent& key) {
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (key.key() == Qt::Key_Insert && mods == Qt::NoModifier) return GridKey::Insert;
    if (key.key() == Qt::Key_Delete && mods == Qt::ControlModifier) return GridKey::CtrlDelete;
    if (key.key() == Qt::Key_F3 && mods == Qt::NoModifier) return GridKey::F3;
    if (enter && mods == Qt::ControlModifier) return GridKey::CtrlEnter;
    return GridKey::None;
}

}  // namespace

void TfMain::buildGrid() {
    DBGridEh1 = new grid::TDBGridEh(gridHost_);
    DBGridEh1->setObjectName("DBGridEh1");
    gridHost_->layout()->addWidget(DBGridEh1);
    DBNavigator1 = new grid::DatasetNavigator(navigatorArea());
    DBNavigator1->setObjectName("DBNavigator1");
    navigatorArea()->layout()->addWidget(DBNavigator1);
    DBNavigator2 = new grid::DatasetNavigator(compactNavigatorArea());
    DBNavigator2->setObjectName("DBNavigator2");
    compactNavigatorArea()->layout()->addWidget(DBNavigator2);
    for (grid::DatasetNavigator* nav : {DBNavigator1, DBNavigator2}) {
        nav->setEnabled(false);  // until a table is open
        // Insert fills the table (a new row in a table without fixed rows); delete
        // clears a table with fixed rows, else removes the row, both after the rights.
        nav->setIntercepted({grid::DatasetNavigator::Insert, grid::DatasetNavigator::Delete});
        connect(nav, &grid::DatasetNavigator::clicked, this,
                [this](grid::DatasetNavigator::Button b) { navigatorClicked(b); });
    }
    miClearTable = new QAction(QStringLiteral("Очистить таблицу..."), this);
    miClearTable->setObjectName("miClearTable");
    connect(miClearTable, &QAction::triggered, this, [this] { guarded([this] { miDeleteDataClick(); }); });

    gridBridge_ = std::make_unique<MainGridHost>(*this);
    builder_ = new grid::TableGridBuilder(dm_, *DBGridEh1, *gridBridge_, this);
    for (QWidget* pane : {static_cast<QWidget*>(DBGridEh1->mainView()), static_cast<QWidget*>(DBGridEh1->frozenView())})
        pane->installEventFilter(this);

    connect(this, &TfMain::tableOpening, this, &TfMain::buildTableGrid);
    connect(this, &TfMain::selectionChanged, this, &TfMain::selectData);
    setMenuHandler(MenuItem::FillTable, [this] { guarded([this] { miFillTableClick(); }); });
    setMenuHandler(MenuItem::DeleteData, [this] { guarded([this] { miDeleteDataClick(); }); });
}

void TfMain::buildTableGrid(const QString& title, const QString& formKod, const QString& tblKod) {
    hookDataEvents();
    settlePendingEdit();
    setStatusText(0, kBuildingTable);
    stPanel1->repaint();
    for (grid::DatasetNavigator* nav : {DBNavigator1, DBNavigator2}) nav->setEnabled(false);
    builder_->buildGrid(title, formKod, tblKod);
    setRowMode(builder_->isRowMode());
}

std::optional<grid::CatalogueTable> TfMain::makeTableCurrent(const QString& title) {
    const int position = catalogue_.indexOfTitle(title);
    if (position < 0) return std::nullopt;
    current_ = position;
    return MainGridHost::gridTable(catalogue_.table(position));
}

void TfMain::setClearTableMenu(bool attached) {
    for (QWidget* pane : {static_cast<QWidget*>(DBGridEh1->mainView()), static_cast<QWidget*>(DBGridEh1->frozenView())}) {
        pane->removeAction(miClearTable);
        if (attached) pane->addAction(miClearTable);
        pane->setContextMenuPolicy(attached ? Qt::ActionsContextMenu : Qt::DefaultContextMenu);
    }
}

void TfMain::navigatorClicked(int button) {
    using B = grid::DatasetNavigator;
    if (button == B::Insert) {
        guarded([this] { fillTable(Need::Edit); });
    } else if (button == B::Delete) {
        guarded([this] {
            if (builder_->isRowMode()) deleteData();
            else deleteCurrentRow();
        });
    }
}

bool TfMain::gridEvent(QObject*, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const GridKey what = gridKeyOf(*key);
    if (what == GridKey::None) return false;
    // The grid's own meaning of these keys wins over the menu's shortcuts.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    switch (what) {
        case GridKey::Insert: guarded([this] { fillTable(Need::Edit); }); break;
        case GridKey::CtrlDelete:
            guarded([this] {
                if (builder_->isRowMode()) deleteData();
                else deleteCurrentRow();
            });
            break;
        case GridKey::F3: guarded([this] { addToCell(); }); break;
        case GridKey::CtrlEnter: miFullScreenClick(!fullScreen_); break;
        case GridKey::None: break;
    }
    return true;
}

void TfMain::guarded(const std::function<void()>& action) {
    try {
        action();
    } catch (...) {
        ApplicationEvents1Exception(std::current_exception());
    }
}

}  // namespace vexo::workspace
