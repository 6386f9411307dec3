#include "error_report.h"

#include "data/data_module.h"
#include "data/dataset.h"
#include "data/text_codec.h"
#include "error_dialog.h"
#include "error_texts.h"
#include "fb/error.h"
#include "ui/app_error.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>

#include <unistd.h>

namespace vexo::startup {

namespace {

// 335544721 and 335544741 are what the server reports for a lost network;
// a client whose server died mid-session sees the read and write failures
// instead, which mean the same: the connection is gone.
bool isConnectionLoss(const fb::Error& e) {
    for (long code : {335544721L, 335544741L, 335544726L, 335544727L, 335544648L})
        if (e.hasCode(code)) return true;
    return false;
}

}  // namespace

const QString ErrorReport::kDefaultText = QStringLiteral("Сервер БД InterBase вернул ошибку.");

ErrorReport::ErrorReport(QString programFolder) : folder_(std::move(programFolder)) {
    showDatabaseError = [](const QString& text, long code, const QString& message) {
        TfDbError dialog(text, code, message, QApplication::activeWindow());
        dialog.exec();
    };
    exitProcess = [](int code) { ::_exit(code); };
}

QString ErrorReport::logPath() const { return QDir(folder_).filePath("ErrorLog.txt"); }

void ErrorReport::appendLogLine(const QString& line) {
    QFile file(logPath());
    if (file.exists() && file.size() > kLogLimit) {
        if (file.open(QIODevice::ReadOnly)) {
            QByteArray rest = file.readAll();
            file.close();
            rest = rest.right(kLogKeep);
            // Start the kept part on a line of its own.
            const qsizetype crlf = rest.indexOf("\r\n");
            if (crlf > 0 && crlf < 100) rest.remove(0, crlf + 2);
            if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                file.write(rest);
                file.close();
            }
        }
    }
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return;
    const std::string bytes = data::toCp1251(line);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.write("\r\n");
    file.flush();
}

QString ErrorReport::userText(long statusCode, const QString& serverMessage) {
    QString text;
    if (statusCode == 335544517) {
        // A procedure's exception: its own text, without the server's first line.
        qsizetype at = serverMessage.indexOf("\r\n");
        qsizetype skip = 2;
        if (at < 0) {
            at = serverMessage.indexOf('\n');
            skip = 1;
        }
        text = at < 0 ? serverMessage : serverMessage.mid(at + skip);
    } else {
        text = errorTextForCode(statusCode);
    }
    return text.isEmpty() ? kDefaultText : text;
}

void ErrorReport::report(std::exception_ptr error, data::TfDM* dm) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    try {
        std::rethrow_exception(error);
    } catch (const data::SilentAbort&) {
        return;
    } catch (const fb::Error& e) {
        const QString message = QString::fromUtf8(e.what());
        if (terminating) {
            ui::messageBox({message, ui::kCaptionError, ui::Icon::Warning, ui::Buttons::Ok, ui::Answer::Ok});
            return;
        }
        QString flat = message;
        flat.replace("\r\n", " ").replace('\n', ' ');
        appendLogLine(QLocale(QLocale::Russian).toString(QDateTime::currentDateTime(), QLocale::ShortFormat) +
                      ": EIBInterBaseError: " + flat + " (" + QString::number(e.gdsCode()) + ")");
        if (dm && dm->isConnected() && isConnectionLoss(e)) {
            ui::messageBox({QStringLiteral("Отсутствует соединение с сервером! Все несохраненные данные будут потеряны.") +
                                "\r\n\r\n" + QStringLiteral("Исходное сообщение об ошибке: ") + message,
                            ui::kCaptionError, ui::Icon::Error, ui::Buttons::Ok, ui::Answer::Ok});
            exitProcess(0);
            return;
        }
        showDatabaseError(userText(e.gdsCode(), message), e.gdsCode(), message);
    } catch (const AppError& e) {
        ui::messageBox({e.text(), ui::kCaptionError, ui::Icon::Warning, ui::Buttons::Ok, ui::Answer::Ok});
    } catch (const std::exception& e) {
        ui::messageBox({QString::fromUtf8(e.what()), ui::kCaptionError, ui::Icon::Warning, ui::Buttons::Ok,
                        ui::Answer::Ok});
    } catch (...) {
        ui::messageBox({QStringLiteral("Непредвиденная ошибка."), ui::kCaptionError, ui::Icon::Warning,
                        ui::Buttons::Ok, ui::Answer::Ok});
    }
}

}  // namespace vexo::startup
