#include "tf_main.h"

#include "catalogue_panel.h"
#include "compact_bar.h"
#include "data/data_module.h"
#include "form_placement.h"
#include "hint_router.h"
#include "main_grid_host.h"
#include "main_menu.h"
#include "period_panel.h"
#include "program_files.h"
#include "startup/error_report.h"
#include "territory_panel.h"
#include "workspace/grid/data_grid.h"
#include "workspace/grid/grid_pane.h"
#include "workspace/grid/table_grid_builder.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace vexo::workspace {

const QString TfMain::kTitle = QStringLiteral("Ривента");
const QString TfMain::kNoRights = QStringLiteral("У Вас нет прав на работу с выбранной таблицей.");
const QString TfMain::kNoTables = QStringLiteral("В данной теме отсутствуют таблицы!");

TfMain::TfMain(data::TfDM& dm, startup::ErrorReport& errors, QWidget* parent)
    : QMainWindow(parent), dm_(dm), errors_(errors) {
    setObjectName("TfMain");
    setWindowTitle(kTitle);
    setProgramFolder(QCoreApplication::applicationDirPath());
    clock_ = [] { return QDate::currentDate(); };
    openDocument_ = [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
    chooseFile_ = [this](const QString& title, const QString& folder, const QString& filter) {
        return QFileDialog::getOpenFileName(this, title, folder, filter);
    };
    buildWindow();
    wireControls();
    applyPlacement();
    refreshMenu();
}

TfMain::~TfMain() {
    delete builder_;  // before the host it works through
    builder_ = nullptr;
}

void TfMain::setProgramFolder(const QString& folder) {
    programFolder_ = folder;
    if (!programFolder_.isEmpty() && !programFolder_.endsWith('/')) programFolder_ += '/';
}

void TfMain::buildWindow() {
    setContextMenuPolicy(Qt::NoContextMenu);  // bars are switched through the menu "&Вид" only
    setMinimumSize(MainPlacement::kMinWidth, MainPlacement::kMinHeight);

    ToolBar1 = addToolBar(QStringLiteral("Панель управления"));
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->setIconSize(QSize(24, 24));
    menu_ = new MainMenu(this, ToolBar1);
    ToolBar1->addSeparator();
    cbExpEmpty = new QCheckBox(QStringLiteral("Экспорт только непустых строк"), ToolBar1);
    cbExpEmpty->setObjectName("cbExpEmpty");
    ToolBar1->addWidget(cbExpEmpty);

    pnlTop = new CataloguePanel(this);
    pnlTop->setMinimumHeight(MainPlacement::kUpperMin);
    pnlTop->setMaximumHeight(MainPlacement::kUpperMax);

    // Lower half: the table title line and the grid.
    auto* lower = new QWidget(this);
    btnComments = new QPushButton(QStringLiteral("Комментарии к заполнению"), lower);
    btnComments->setObjectName("btnComments");
    btnComments->hide();
    lblTitle = new QLabel(lower);
    lblTitle->setObjectName("lblTitle");
    lblTitle->setAlignment(Qt::AlignCenter);
    lblTitle->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QFont bold = lblTitle->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 1);
    lblTitle->setFont(bold);
    auto* titleLine = new QHBoxLayout;
    titleLine->addWidget(btnComments);
    titleLine->addWidget(lblTitle, 1);

    pnlGrid = new QStackedWidget(lower);
    pnlGrid->setObjectName("pnlGrid");
    gridHost_ = new QWidget(pnlGrid);
    gridHost_->setObjectName("gridHost");
    auto* gridLayout = new QVBoxLayout(gridHost_);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    lblNoRights = new QLabel(kNoRights, pnlGrid);
    lblNoRights->setObjectName("lblNoRights");
    lblNoRights->setAlignment(Qt::AlignCenter);
    pnlGrid->addWidget(gridHost_);
    pnlGrid->addWidget(lblNoRights);

    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(4, 2, 4, 0);
    lowerLayout->addLayout(titleLine);
    lowerLayout->addWidget(pnlGrid, 1);

    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setObjectName("Splitter1");
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(pnlTop);
    Splitter1->addWidget(lower);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);

    pnlTerritory = new TerritoryPanel(this);
    pnlPeriod = new PeriodPanel(this);
    pnlCompact = new CompactBar(this);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(pnlCompact);
    layout->addWidget(Splitter1, 1);
    layout->addWidget(pnlTerritory);
    layout->addWidget(pnlPeriod);
    setCentralWidget(central);

    stPanel1 = new QLabel(this);
    stPanel1->setObjectName("stPanel1");
    stPanel1->setFixedWidth(150);
    stPanel2 = new QLabel(this);
    stPanel2->setObjectName("stPanel2");
    stPanel2->setMinimumWidth(50);
    statusBar()->addWidget(stPanel1);
    statusBar()->addWidget(stPanel2, 1);

    hints_ = new HintRouter(statusBar(), this);
    for (const MenuItemInfo& info : menuItems())
        if (info.kind == ItemKind::Menu || info.kind == ItemKind::Submenu) hints_->watchMenu(menu_->menu(info.id));
    hints_->watchControls(central);
    hints_->watchControls(ToolBar1);
    buildGrid();
}

void TfMain::wireControls() {
    connect(menu_, &MainMenu::triggered, this, &TfMain::onMenuTriggered);

    CataloguePanel& top = *pnlTop;
    connect(top.cbTheme, &QComboBox::activated, this, [this](int index) {
        if (index != themeIndex_) cbThemeChange(index);
    });
    connect(pnlPeriod->cbPeriod, &QComboBox::activated, this, &TfMain::cbPeriodChange);
    connect(pnlPeriod->seYear, &QSpinBox::valueChanged, this, [this](int year) {
        if (!syncing_) seYearChange(year);
    });
    connect(pnlPeriod->cbPeriodOnly, &QCheckBox::clicked, this, &TfMain::cbPeriodOnlyClick);
    connect(pnlTerritory->cbTerritoryOnly, &QCheckBox::clicked, this, &TfMain::cbTerritoryOnlyClick);
    connect(cbExpEmpty, &QCheckBox::clicked, this, &TfMain::cbExpEmptyClick);

    connect(top.btnGo, &QPushButton::clicked, this, &TfMain::btnGoClick);
    connect(top.btnPrev, &QPushButton::clicked, this, &TfMain::btnPrevClick);
    connect(top.btnNext, &QPushButton::clicked, this, &TfMain::btnNextClick);
    connect(top.edForm, &QLineEdit::returnPressed, this, &TfMain::btnGoClick);
    connect(top.edTable, &QLineEdit::returnPressed, this, &TfMain::btnGoClick);
    connect(top.dbgTables, &QTableView::doubleClicked, this, &TfMain::openCurrentTable);

    // The compact bar works like the upper half; the boxes copy each other on leaving.
    CompactBar& bar = *pnlCompact;
    const auto goFromBar = [this] {
        pnlTop->edForm->setText(pnlCompact->edForm->text());
        pnlTop->edTable->setText(pnlCompact->edTable->text());
        btnGoClick();
    };
    connect(bar.btnGo, &QPushButton::clicked, this, goFromBar);
    connect(bar.edForm, &QLineEdit::returnPressed, this, goFromBar);
    connect(bar.edTable, &QLineEdit::returnPressed, this, goFromBar);
    connect(bar.btnPrev, &QPushButton::clicked, this, &TfMain::btnPrevClick);
    connect(bar.btnNext, &QPushButton::clicked, this, &TfMain::btnNextClick);
    const auto mirror = [this](QLineEdit* from, QLineEdit* to) {
        connect(from, &QLineEdit::editingFinished, this, [from, to] { to->setText(from->text()); });
    };
    mirror(top.edForm, bar.edForm);
    mirror(bar.edForm, top.edForm);
    mirror(top.edTable, bar.edTable);
    mirror(bar.edTable, top.edTable);

    connect(btnComments, &QPushButton::clicked, this, &TfMain::btnCommentsClick);
    connect(pnlTerritory->btnDefaultTerritory, &QPushButton::clicked, this,
            [this] { runHandler(MenuItem::DefaultTerritory); });

    for (QObject* w : std::initializer_list<QObject*>{top.cbTheme, top.dbgTables, pnlPeriod->cbPeriod,
                                                      pnlPeriod->seYear, pnlPeriod->cbPeriodOnly,
                                                      pnlTerritory->cbTerritoryOnly, cbExpEmpty,
                                                      pnlTerritory->lblTerritory, pnlTerritory->lblLpuName})
        w->installEventFilter(this);
    for (QToolButton* b : ToolBar1->findChildren<QToolButton*>()) b->installEventFilter(this);
}

bool TfMain::eventFilter(QObject* watched, QEvent* event) {
    if (DBGridEh1 && (watched == DBGridEh1->mainView() || watched == DBGridEh1->frozenView()) &&
        gridEvent(watched, event))
        return true;
    const CataloguePanel& top = *pnlTop;
    switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            const bool lists = watched == top.cbTheme || watched == top.dbgTables;
            if (enter && !(key->modifiers() & Qt::ControlModifier)) {
                const bool opens = lists || watched == pnlPeriod->cbPeriod || watched == pnlPeriod->seYear ||
                                   watched == pnlPeriod->cbPeriodOnly || watched == pnlTerritory->cbTerritoryOnly ||
                                   watched == cbExpEmpty || qobject_cast<QToolButton*>(watched);
                if (opens) {
                    openCurrentTable();
                    return true;
                }
            } else if (lists) {
                QTimer::singleShot(0, this, &TfMain::refreshPeriodicityLabel);
            }
            break;
        }
        case QEvent::FocusIn:
            if (watched == pnlPeriod->cbPeriod) periodOnEnter_ = pnlPeriod->cbPeriod->currentIndex();
            break;
        case QEvent::MouseButtonDblClick:
            if (watched == pnlTerritory->lblTerritory) runHandler(MenuItem::DefaultTerritory);
            break;
        case QEvent::MouseButtonPress:
            if (watched == pnlTerritory->lblLpuName) runHandler(MenuItem::DefaultTerritory);
            break;
        default: break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfMain::ApplicationEvents1Exception(std::exception_ptr error) { errors_.report(error, &dm_); }

void TfMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous()) return;  // restored from the task bar: nothing to reload
    // A failure here must not escape show(): it is reported like any other.
    try {
        FormShow();
    } catch (...) {
        ApplicationEvents1Exception(std::current_exception());
    }
}

void TfMain::closeEvent(QCloseEvent* event) {
    savePlacement();
    catalogue_.clear();
    current_ = -1;
    ProgramFiles(programFolder_).deleteTemporaryFiles();
    event->accept();
}

void TfMain::applyPlacement() {
    const MainPlacement p = MainPlacement::load();
    if (p.geometry.isEmpty() || !restoreGeometry(p.geometry)) resize(1024, 720);
    resize(std::max(width(), MainPlacement::kMinWidth), std::max(height(), MainPlacement::kMinHeight));
    Splitter1->setSizes({p.upperHeight, std::max(200, height() - p.upperHeight)});
    pnlPeriod->cbPeriodOnly->setChecked(p.periodOnly);
    menu_->action(MenuItem::ShowTerritory)->setChecked(p.showTerritory);
    pnlTerritory->setVisible(p.showTerritory);
    menu_->action(MenuItem::ShowToolbar)->setChecked(p.showToolbar);
    ToolBar1->setVisible(p.toolbarVisible);
    menu_->action(MenuItem::ShowStatusBar)->setChecked(p.showStatusBar);
    statusBar()->setVisible(p.statusBarVisible);
    pnlCompact->setVisible(p.compactBarVisible);
}

void TfMain::savePlacement() {
    if (fullScreen_) miFullScreenClick(false);  // remember the ordinary layout
    MainPlacement p;
    p.geometry = saveGeometry();
    p.upperHeight = std::clamp(Splitter1->sizes().value(0, p.upperHeight), MainPlacement::kUpperMin,
                               MainPlacement::kUpperMax);
    p.periodOnly = pnlPeriod->cbPeriodOnly->isChecked();
    p.showTerritory = menu_->action(MenuItem::ShowTerritory)->isChecked();
    p.showToolbar = menu_->action(MenuItem::ShowToolbar)->isChecked();
    p.toolbarVisible = !ToolBar1->isHidden();
    p.showStatusBar = menu_->action(MenuItem::ShowStatusBar)->isChecked();
    p.statusBarVisible = !statusBar()->isHidden();
    p.compactBarVisible = !pnlCompact->isHidden();
    p.save();
}

QWidget* TfMain::navigatorArea() const { return pnlPeriod->navigatorHost; }

QWidget* TfMain::compactNavigatorArea() const { return pnlCompact->navigatorHost; }

QProgressBar* TfMain::progressBar1() const { return pnlTerritory->ProgressBar1; }

QProgressBar* TfMain::progressBar2() const { return pnlTerritory->ProgressBar2; }

void TfMain::setStatusText(int panel, const QString& text) { (panel == 0 ? stPanel1 : stPanel2)->setText(text); }

QString TfMain::statusText(int panel) const { return (panel == 0 ? stPanel1 : stPanel2)->text(); }

void TfMain::setMenuHandler(MenuItem item, std::function<void()> handler) {
    handlers_[item] = std::move(handler);
    menu_->setAvailable(item, true);
    for (const MenuItemInfo& info : menuItems())
        if (info.kind == ItemKind::ToolButton && toolTwin(info.id) == item) menu_->setAvailable(info.id, true);
    refreshMenu();
}

void TfMain::runHandler(MenuItem item) {
    const auto it = handlers_.find(item);
    if (it != handlers_.end() && it->second) it->second();
}

}  // namespace vexo::workspace
