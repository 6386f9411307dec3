#pragma once

#include <QString>

#include <exception>
#include <functional>

namespace vexo::data {
class TfDM;
}

namespace vexo::startup {

// The application-wide report of failures: database errors are logged to
// ErrorLog.txt and shown in Russian; a lost connection ends the program.
class ErrorReport {
public:
    static constexpr qint64 kLogLimit = 100000;
    static constexpr qint64 kLogKeep = 50000;
    static const QString kDefaultText;

    explicit ErrorReport(QString programFolder);

    void report(std::exception_ptr error, data::TfDM* dm);
    void appendLogLine(const QString& line);
    QString logPath() const;

    // The text the user reads for a server error.
    static QString userText(long statusCode, const QString& serverMessage);

    // Seams for tests; the defaults show Qt dialogs and end the process.
    std::function<void(const QString& text, long code, const QString& serverMessage)> showDatabaseError;
    std::function<void(int exitCode)> exitProcess;
    bool terminating = false;

private:
    QString folder_;
};

}  // namespace vexo::startup
