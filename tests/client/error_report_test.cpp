#include "fb/error.h"
#include "program_folder.h"
#include "startup/error_dialog.h"
#include "startup/error_report.h"
#include "ui/app_error.h"

#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace vexo;
using startup::ErrorReport;

namespace {

std::exception_ptr serverError(long code, const std::string& message) {
    return std::make_exception_ptr(fb::Error(message, code, -901, {code}));
}

}  // namespace

TEST(ErrorReport, UserTextRules) {
    struct Case {
        long code;
        QString message;
        QString expected;
    } cases[] = {
        {335544517, "exception 5\r\nE_FAIL\r\nНет данных", "E_FAIL\r\nНет данных"},
        {335544517, "exception 5\nНет данных", "Нет данных"},
        {335544517, "Нет перевода строки", "Нет перевода строки"},
        {335544345, "lock conflict on no wait transaction", "Конфликт блокировок."},
        {335544354, "x", "Неправильный индекс (ключ) базы данных."},
        {335999999, "x", "Сервер БД InterBase вернул ошибку."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorReport::userText(c.code, c.message), c.expected) << c.code;
}

TEST(ErrorReport, LogIsTrimmedPastItsLimit) {
    test::ProgramFolder folder;
    ErrorReport report(folder.path());
    auto fill = [&](qint64 size) {
        QFile f(report.logPath());
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        QByteArray body(size, 'x');
        // A line break 40 characters into the part that is kept.
        body[size - ErrorReport::kLogKeep + 40] = '\r';
        body[size - ErrorReport::kLogKeep + 41] = '\n';
        f.write(body);
    };
    fill(100000);
    report.appendLogLine("line");
    EXPECT_EQ(QFile(report.logPath()).size(), 100000 + 6);

    fill(100001);
    report.appendLogLine("line");
    QFile f(report.logPath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray kept = f.readAll();
    EXPECT_EQ(kept.size(), ErrorReport::kLogKeep - 42 + 6);
    EXPECT_TRUE(kept.endsWith("xline\r\n"));
}

TEST(ErrorReport, ServerErrorIsLoggedAndShownInRussian) {
    test::ProgramFolder folder;
    test::ScriptedDialogs dialogs;
    ErrorReport report(folder.path());
    QString shown;
    long shownCode = 0;
    report.showDatabaseError = [&](const QString& text, long code, const QString&) {
        shown = text;
        shownCode = code;
    };
    report.report(serverError(335544665, "violation of PRIMARY or UNIQUE KEY\nconstraint"), nullptr);
    EXPECT_EQ(shown, "Нарушение уникальности: такая запись уже существует.");
    EXPECT_EQ(shownCode, 335544665);
    QFile f(report.logPath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray line = f.readAll();
    EXPECT_TRUE(line.contains(": EIBInterBaseError: violation of PRIMARY or UNIQUE KEY constraint (335544665)\r\n"))
        << line.toStdString();
    // Other failures: a plain box, no log line.
    report.report(std::make_exception_ptr(AppError("Своя ошибка")), nullptr);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, "Своя ошибка");
    EXPECT_EQ(dialogs.messages[0].caption, "Ошибка");
    EXPECT_EQ(QFile(report.logPath()).size(), line.size());
}

TEST(ErrorReport, DetailsButtonShowsCodeAndMessage) {
    startup::TfDbError dialog("Текст", 335544345, "lock conflict");
    EXPECT_EQ(dialog.windowTitle(), "Ошибка сервера БД InterBase");
    EXPECT_FALSE(dialog.detailsShown());
    EXPECT_EQ(dialog.detailsButtonCaption(), "&Сведения >>");
    dialog.btnDetailsClick();
    EXPECT_TRUE(dialog.detailsShown());
    EXPECT_EQ(dialog.detailsButtonCaption(), "<< &Сведения");
}
