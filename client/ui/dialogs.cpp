#include "dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace vexo::ui {

namespace {

DialogResponder* g_responder = nullptr;

QMessageBox::StandardButton toQt(Answer a) {
    switch (a) {
        case Answer::Ok: return QMessageBox::Ok;
        case Answer::Cancel: return QMessageBox::Cancel;
        case Answer::Yes: return QMessageBox::Yes;
        case Answer::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

}  // namespace

ScopedResponder::ScopedResponder(DialogResponder* responder) : previous_(g_responder) { g_responder = responder; }

ScopedResponder::~ScopedResponder() { g_responder = previous_; }

Answer messageBox(const MessageRequest& r, QWidget* parent) {
    if (g_responder) return g_responder->message(r);
    QMessageBox box(parent ? parent : QApplication::activeWindow());
    box.setWindowTitle(r.caption);
    box.setText(r.text);
    switch (r.icon) {
        case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
        case Icon::Information: box.setIcon(QMessageBox::Information); break;
        case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
        case Icon::Error: box.setIcon(QMessageBox::Critical); break;
        case Icon::Question: box.setIcon(QMessageBox::Question); break;
    }
    QMessageBox::StandardButtons buttons;
    switch (r.buttons) {
        case Buttons::Ok: buttons = QMessageBox::Ok; break;
        case Buttons::OkCancel: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
        case Buttons::YesNo: buttons = QMessageBox::Yes | QMessageBox::No; break;
        case Buttons::YesNoCancel: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    }
    box.setStandardButtons(buttons);
    box.setDefaultButton(toQt(r.defaultButton));
    // Russian captions on the standard buttons.
    if (auto b = box.button(QMessageBox::Yes)) b->setText(QStringLiteral("Да"));
    if (auto b = box.button(QMessageBox::No)) b->setText(QStringLiteral("Нет"));
    if (auto b = box.button(QMessageBox::Cancel)) b->setText(QStringLiteral("Отмена"));
    switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Cancel: return Answer::Cancel;
        default: return r.buttons == Buttons::Ok ? Answer::Ok : (r.buttons == Buttons::OkCancel ? Answer::Ok : Answer::Cancel);
    }
}

std::optional<QString> inputBox(const InputRequest& r, QWidget* parent) {
    if (g_responder) return g_responder->input(r);
    QInputDialog dialog(parent ? parent : QApplication::activeWindow());
    dialog.setWindowTitle(r.caption);
    dialog.setLabelText(r.prompt);
    dialog.setTextValue(r.initial);
    dialog.setTextEchoMode(r.password ? QLineEdit::Password : QLineEdit::Normal);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Отмена"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

void showInfo(const QString& text, const QString& caption) {
    messageBox({text, caption, Icon::Information, Buttons::Ok, Answer::Ok});
}

void showWarning(const QString& text, const QString& caption) {
    messageBox({text, caption, Icon::Warning, Buttons::Ok, Answer::Ok});
}

void showError(const QString& text, const QString& caption) {
    messageBox({text, caption, Icon::Error, Buttons::Ok, Answer::Ok});
}

bool askYesNo(const QString& text, const QString& caption, Answer defaultButton, Icon icon) {
    return messageBox({text, caption, icon, Buttons::YesNo, defaultButton}) == Answer::Yes;
}

}  // namespace vexo::ui
