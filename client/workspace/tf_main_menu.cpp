// The menu items of the main window that this build handles itself.
#include "about_window.h"
#include "catalogue_panel.h"
#include "compact_bar.h"
#include "data/data_module.h"
#include "data/settings_store.h"
#include "main_menu.h"
#include "period_panel.h"
#include "program_files.h"
#include "startup/admin_window.h"
#include "startup/database_connection.h"
#include "startup/login_dialog.h"
#include "startup/user_accounts.h"
#include "startup/user_dialog.h"
#include "territory_panel.h"
#include "tf_main.h"
#include "ui/cursor_guard.h"
#include "ui/dialogs.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>

namespace vexo::workspace {

void TfMain::onMenuTriggered(MenuItem item) {
    using M = MenuItem;
    const auto checked = [this, item] { return menu_->action(item)->isChecked(); };
    switch (item) {
        case M::Previous: btnPrevClick(); break;
        case M::Next: btnNextClick(); break;
        case M::Exit: miExitClick(); break;
        case M::Admin: miAdminClick(); break;
        case M::ChangeUser: miChangeUserClick(); break;
        case M::ChangePassword: miChangePasswordClick(); break;
        case M::DatabasePath: miDatabasePathClick(); break;
        case M::ShowToolbar: miShowToolbarClick(checked()); break;
        case M::ShowTerritory: miShowTerritoryClick(checked()); break;
        case M::TerritoryOnly: cbTerritoryOnlyClick(checked()); break;
        case M::ShowStatusBar: miStatusBarClick(checked()); break;
        case M::FullScreen: miFullScreenClick(checked()); break;
        case M::Manual: miManualClick(); break;
        case M::History: miHistoryClick(); break;
        case M::About: miAboutClick(); break;
        default: runHandler(toolTwin(item)); break;
    }
}

void TfMain::miExitClick() { close(); }

void TfMain::miAdminClick() {
    startup::TfAdmin admin(dm_, rights_, this);
    admin.exec();
    settings_.passwordsOn = startup::UserAccounts(dm_).passwordSystemOn();
    refreshTableRights();
    refreshMenu();
}

void TfMain::miChangeUserClick() {
    if (!startup::Login(dm_, rights_, this)) {
        close();  // the program ends
        return;
    }
    refreshTableRights();
    refreshMenu();
}

void TfMain::miChangePasswordClick() {
    startup::TfUser dialog(dm_, startup::UserDialogMode::OwnPassword, rights_, this);
    dialog.exec();
}

void TfMain::miDatabasePathClick() {
    if (!connection_) return;
    const QString file = chooseFile_(QStringLiteral("Выбор пути к базе данных"), connection_->databaseFolder(),
                                     QStringLiteral("Главная таблица базы данных (") +
                                         startup::DatabaseConnection::kDatabaseFile + ")");
    if (file.isEmpty()) return;
    if (!connection_->chooseDatabasePath(file)) return;
    // The window is shown anew over the other database.
    hide();
    show();
}

void TfMain::miShowToolbarClick(bool checked) {
    menu_->action(MenuItem::ShowToolbar)->setChecked(checked);
    ToolBar1->setVisible(checked);
}

void TfMain::miShowTerritoryClick(bool checked) {
    menu_->action(MenuItem::ShowTerritory)->setChecked(checked);
    if (!fullScreen_) pnlTerritory->setVisible(checked);
}

void TfMain::miStatusBarClick(bool checked) {
    menu_->action(MenuItem::ShowStatusBar)->setChecked(checked);
    if (!fullScreen_) statusBar()->setVisible(checked);
}

void TfMain::miFullScreenClick(bool checked) {
    fullScreen_ = checked;
    menu_->action(MenuItem::FullScreen)->setChecked(checked);
    if (checked) {
        pnlTerritory->hide();
        pnlPeriod->hide();
        statusBar()->hide();
        showUpperHalf(false);
        pnlGrid->currentWidget()->setFocus();
    } else {
        pnlTerritory->setVisible(menu_->action(MenuItem::ShowTerritory)->isChecked());
        pnlPeriod->show();
        statusBar()->setVisible(menu_->action(MenuItem::ShowStatusBar)->isChecked());
        showUpperHalf(true);
    }
}

void TfMain::openFile(const QString& path) {
    if (openDocument_) openDocument_(path);
}

void TfMain::miManualClick() {
    const ProgramFiles files(programFolder_);
    QString path = files.manualPath();
    stPanel2->setText(QStringLiteral("Ждите...Идет вызов руководства пользователя"));
    if (!QFileInfo(path).isFile()) {
        const ui::Answer answer = ui::messageBox(
            {QStringLiteral("Файл \"") + ProgramFiles::kManualName +
                 QStringLiteral("\" в главном каталоге программы отсутствует!\nХотите попробовать найти его "
                                "самостоятельно?"),
             ui::kCaptionQuestion, ui::Icon::Question, ui::Buttons::OkCancel, ui::Answer::Ok},
            this);
        path.clear();
        if (answer == ui::Answer::Ok)
            path = chooseFile_(QString(), programFolder_,
                               QStringLiteral("Руководство пользователя (") + ProgramFiles::kManualName + ")");
    }
    if (!path.isEmpty()) {
        ui::HourglassCursor hourglass;
        openFile(path);
    }
    stPanel2->setText(databaseText());
}

void TfMain::miHistoryClick() {
    const QString path = ProgramFiles(programFolder_).historyPath();
    if (!QFileInfo(path).isFile()) {
        ui::showWarning(QStringLiteral("Файл \"history.txt\" не найден!"));
        return;
    }
    openFile(path);
}

void TfMain::btnCommentsClick() {
    const CatalogueTable* info = currentTableInfo();
    const QString path = ProgramFiles(programFolder_).commentsPath(info ? info->ntbl : QString());
    if (!info || !QFileInfo(path).isFile()) {
        ui::showWarning(QStringLiteral("Файл с комментариями к данной таблице не найден!"));
        return;
    }
    openFile(path);
}

void TfMain::miAboutClick() {
    const QString referenceVersion = data::SettingsStore(dm_).read("VersionSpr", QString());
    TfAbout about(aboutVersionLines(programFolder_, referenceVersion), this);
    about.exec();
}

}  // namespace vexo::workspace
