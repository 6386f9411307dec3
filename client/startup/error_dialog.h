#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace vexo::startup {

// "Ошибка сервера БД InterBase": the Russian text, with the status code and
// the server's own message behind the details button.
class TfDbError : public QDialog {
    Q_OBJECT
public:
    TfDbError(const QString& text, long statusCode, const QString& serverMessage, QWidget* parent = nullptr);

    bool detailsShown() const;
    QString detailsButtonCaption() const;

public slots:
    void btnDetailsClick();

private:
    QWidget* basicPanel_;
    QWidget* detailsPanel_;
    QPushButton* btnDetails_;
};

}  // namespace vexo::startup
