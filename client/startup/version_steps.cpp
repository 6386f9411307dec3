#include "version_steps.h"

#include "data/data_module.h"
#include "data/settings_store.h"
#include "fb/statement.h"
#include "ui/app_error.h"
#include "ui/cursor_guard.h"
#include "ui/dialogs.h"
#include "ui/wait_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <memory>

// Resources of a static library are registered by hand.
static void initUpgradeData() { Q_INIT_RESOURCE(upgrade); }

namespace vexo::startup {

const QString VersionSteps::kExpected = QStringLiteral("3.78");

namespace {

struct Step {
    QString from;
    QString to;
    QString statement;
};

}  // namespace

VersionSteps::VersionSteps(data::TfDM& dm, QString programFolder) : dm_(dm), folder_(std::move(programFolder)) {
    attachedUsers = [this] {
        // The server keeps one picture of the monitoring tables per
        // transaction: ask in a fresh one to see who is attached now.
        fb::Transaction tr(dm_.attachment(), {false, false, fb::Isolation::ReadCommitted});
        fb::Statement st(tr, "select count(*) from mon$attachments where mon$system_flag = 0");
        st.execute();
        st.fetch();
        const int users = static_cast<int>(st.value(0).toInt64());
        st.close();
        tr.commit();
        return users;
    };
}

QString VersionSteps::pokazDeletion() {
    initUpgradeData();
    QFile list(":/upgrade/pokaz-3.77.txt");
    if (!list.open(QIODevice::ReadOnly)) throw AppError(QStringLiteral("Нет данных шага обновления 3.77."));
    const QString numbers = QString::fromLatin1(list.readAll()).simplified().remove(' ');
    return "delete from pokaz where a1 in  (" + numbers + ")";
}

void VersionSteps::run() {
    stop_ = false;
    data::SettingsStore settings(dm_);
    if (!dm_.nastr->isOpen()) dm_.nastr->open();
    QString version = settings.read("Version", "2.00");
    if (version == kExpected) return;

    ui::HourglassCursor hourglass;
    std::unique_ptr<ui::WaitWindow> wait;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        wait = std::make_unique<ui::WaitWindow>(QStringLiteral("Идет обновление программы.    Ждите..."));

    const Step steps[] = {
        {"3.77", "3.77.1", pokazDeletion()},
        {"3.77.1", "3.77.2", "delete from pokaz where a1>='56002001' and a1 <='56002380' "},
        {"3.77.2", "3.78", "delete from uslk "},
    };
    bool warned = false;
    for (const Step& step : steps) {
        if (version != step.from) continue;
        if (!warned) {
            ui::showWarning(QStringLiteral("Необходимо произвести обновление структуры БД.") + "\r" +
                            QStringLiteral("Это может потребовать некоторого времени.") + "\r" +
                            QStringLiteral("Закройте все экземпляры программы, запущенные на других компьютерах и") +
                            "\r" +
                            QStringLiteral("работающие с базой данных, установленной на этом компьютере, и нажмите "
                                           "\"OK\"."));
            warned = true;
        }
        while (attachedUsers() >= 2) {
            const bool retry = ui::messageBox(
                                   {QStringLiteral("Обновление невозможно, так как к базе данных подключено более "
                                                   "одного пользователя.") +
                                        "\r" +
                                        QStringLiteral("Закройте все экземпляры программы, запущенные на других "
                                                       "компьютерах") +
                                        "\r" +
                                        QStringLiteral("и работающие с базой данных, установленной на этом компьютере.") +
                                        "\r" + QStringLiteral("Повторить попытку обновления?"),
                                    ui::kCaptionQuestion, ui::Icon::Warning, ui::Buttons::YesNo, ui::Answer::Yes}) ==
                               ui::Answer::Yes;
            if (!retry) {
                ui::messageBox({QStringLiteral("Обновление не произведено, приложение будет закрыто!"),
                                ui::kCaptionMessage, ui::Icon::Error, ui::Buttons::Ok, ui::Answer::Ok});
                stop_ = true;
                return;
            }
        }
        try {
            dm_.execSql(step.statement, false);
            // Posting the version commits the step's statement with it.
            settings.write("Version", step.to, true);
        } catch (...) {
            throw AppError(QStringLiteral("Проблемы при переходе на версию ") + step.to + "." + "\r" +
                           QStringLiteral("Убедитесь, что обновление производится согласно рекомендациям, описанным в "
                                          "руководстве пользователя. При невозможности устранить данную проблему "
                                          "собственными силами обратитесь к разработчику."));
        }
        version = step.to;
    }
    if (version != kExpected) {
        QFile::remove(QDir(folder_).filePath("upg/sprav.xml"));
        throw AppError(QStringLiteral("На версию ") + version + QStringLiteral(" нельзя установить версию ") + kExpected +
                       QStringLiteral(". Порядок обновления версий - в файле history.txt."));
    }
}

}  // namespace vexo::startup
