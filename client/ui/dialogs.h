#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace vexo::ui {

enum class Icon { None, Information, Warning, Error, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct MessageRequest {
    QString text;
    QString caption;
    Icon icon = Icon::Information;
    Buttons buttons = Buttons::Ok;
    Answer defaultButton = Answer::Ok;
};

struct InputRequest {
    QString caption;
    QString prompt;
    QString initial;
    bool password = false;
};

// Every message box and input box of the program goes through here, so that
// tests can answer them. Without a responder the real Qt dialogs are shown.
class DialogResponder {
public:
    virtual ~DialogResponder() = default;
    virtual Answer message(const MessageRequest& request) = 0;
    virtual std::optional<QString> input(const InputRequest& request) = 0;
};

// Installs a responder for the life of the object (tests).
class ScopedResponder {
public:
    explicit ScopedResponder(DialogResponder* responder);
    ~ScopedResponder();
    ScopedResponder(const ScopedResponder&) = delete;
    ScopedResponder& operator=(const ScopedResponder&) = delete;

private:
    DialogResponder* previous_;
};

Answer messageBox(const MessageRequest& request, QWidget* parent = nullptr);
std::optional<QString> inputBox(const InputRequest& request, QWidget* parent = nullptr);

// The captions the program uses.
inline const QString kCaptionMessage = QStringLiteral("Сообщение");
inline const QString kCaptionQuestion = QStringLiteral("Запрос");
inline const QString kCaptionConfirm = QStringLiteral("Подтверждение");
inline const QString kCaptionAttention = QStringLiteral("Внимание");
inline const QString kCaptionError = QStringLiteral("Ошибка");
inline const QString kCaptionDelete = QStringLiteral("Удаление");

// Shorthands for the common shapes.
void showInfo(const QString& text, const QString& caption = kCaptionMessage);
void showWarning(const QString& text, const QString& caption = kCaptionMessage);
void showError(const QString& text, const QString& caption = kCaptionError);
// Yes/No question; true for Yes.
bool askYesNo(const QString& text, const QString& caption = kCaptionQuestion, Answer defaultButton = Answer::Yes,
              Icon icon = Icon::Question);

}  // namespace vexo::ui
