#include "scripted_dialogs.h"

#include <QStringList>

namespace vexo::test {

ui::Answer ScriptedDialogs::message(const ui::MessageRequest& request) {
    messages << request;
    if (answers_.empty()) return request.defaultButton;
    const ui::Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

std::optional<QString> ScriptedDialogs::input(const ui::InputRequest& request) {
    inputs << request;
    if (inputs_.empty()) return std::nullopt;
    auto a = inputs_.front();
    inputs_.pop_front();
    return a;
}

QStringList ScriptedDialogs::texts() const {
    QStringList out;
    for (const auto& m : messages) out << m.text;
    return out;
}

}  // namespace vexo::test
