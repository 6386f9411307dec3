#include "program_entry.h"

#include "data/data_module.h"
#include "database_connection.h"
#include "error_report.h"
#include "login_dialog.h"
#include "single_instance.h"
#include "ui/app_error.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "vexo_ini.h"
#include "workspace/tf_main.h"

#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QSplashScreen>

#include <memory>

namespace vexo::startup {

namespace {

QPixmap startupPicture() {
    QPixmap picture(480, 260);
    picture.fill(QColor(0x1f, 0x4e, 0x79));
    QPainter p(&picture);
    p.setPen(Qt::white);
    QFont title = p.font();
    title.setPointSize(36);
    title.setBold(true);
    p.setFont(title);
    p.drawText(picture.rect().adjusted(0, -30, 0, 0), Qt::AlignCenter, QStringLiteral("Ривента"));
    QFont sub = p.font();
    sub.setPointSize(11);
    sub.setBold(false);
    p.setFont(sub);
    p.drawText(picture.rect().adjusted(0, 70, 0, 0), Qt::AlignCenter,
               QStringLiteral("Статистическая отчётность здравоохранения"));
    return picture;
}

void showStartupError(std::exception_ptr error) {
    QString text;
    try {
        std::rethrow_exception(error);
    } catch (const AppError& e) {
        text = e.text();
    } catch (const std::exception& e) {
        text = QString::fromUtf8(e.what());
    } catch (...) {
        text = QStringLiteral("Непредвиденная ошибка при запуске.");
    }
    ui::showError(text);
}

}  // namespace

CommandWord commandWord(const QStringList& arguments, const QString& executableName) {
    const QString exe = executableName.toUpper();
    const QString word = arguments.isEmpty() ? QString() : arguments.first().toUpper();
    if (word == "INSTALL") return CommandWord::Install;
    if (exe == "SETUP.EXE" || exe == "SETUP") return CommandWord::Install;
    if (word == "UNINSTALL") return CommandWord::Uninstall;
    if (word == "PASSWORD") return CommandWord::Password;
    return CommandWord::Start;
}

bool rewritePasswordLine(const QString& iniPath) {
    VexoIni ini(iniPath);
    const QStringList lines = ini.readLines();  // a missing file fails here and ends the start
    const auto answer = ui::inputBox({QStringLiteral("Подключение к БД"),
                                      QStringLiteral("Введите пароль системного администратора Interbase:"),
                                      lines.value(4), true});
    if (!answer) return false;
    ini.writeLines(VexoIni::withPassword(lines, *answer));
    return true;
}

int runProgram(int argc, char** argv) {
    ui::VexoApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexo"));
    QApplication::setApplicationDisplayName(workspace::TfMain::kTitle);

    SingleInstance single(QStringLiteral("Vexo-Riventa-") + qEnvironmentVariable("USER", "user"));
    if (single.activateRunningCopy()) return 0;
    single.listen();

    const QString folder = QApplication::applicationDirPath();
    QStringList arguments = QApplication::arguments();
    const QString executable = QFileInfo(arguments.takeFirst()).fileName();
    switch (commandWord(arguments, executable)) {
        case CommandWord::Install:
        case CommandWord::Uninstall:
            ui::showError(QStringLiteral("Установка и удаление программы в этой сборке недоступны."));
            return 2;
        case CommandWord::Password:
            try {
                rewritePasswordLine(folder + "/" + VexoIni::kFileName);
            } catch (...) {
                showStartupError(std::current_exception());
                return 1;
            }
            break;
        case CommandWord::Start: break;
    }

    auto splash = std::make_unique<QSplashScreen>(startupPicture(), Qt::WindowStaysOnTopHint);
    splash->setCursor(Qt::WaitCursor);
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    ErrorReport errors(folder);
    data::TfDM dm;
    DatabaseConnection connection(dm, folder);
    bool ready = false;
    try {
        ready = connection.createDataModule();
    } catch (...) {
        splash->hide();
        showStartupError(std::current_exception());
        return 1;
    }
    if (!ready) return 1;

    workspace::TfMain main(dm, errors);
    main.setConnection(&connection);
    main.setProgramFolder(folder);
    app.setExceptionHook([&main](std::exception_ptr e) { main.ApplicationEvents1Exception(e); });
    QObject::connect(&single, &SingleInstance::activationRequested, &main, [&main] {
        if (main.isMinimized()) main.showNormal();
        main.raise();
        main.activateWindow();
    });

    // The picture stays on top of everything: it goes before the login window.
    splash->hide();
    splash.reset();
    bool mayWork = false;
    try {
        mayWork = Login(dm, main.rights());
    } catch (...) {
        showStartupError(std::current_exception());
        return 1;
    }
    if (!mayWork) return 0;  // the login window has said why
    main.show();
    return QApplication::exec();
}

}  // namespace vexo::startup
