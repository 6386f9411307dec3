#pragma once

#include <QString>

#include <stdexcept>

namespace vexo {

// A failure with a text for the user, raised where a window does not handle
// it and shown by the application-wide error report.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

}  // namespace vexo
