#pragma once

#include "ui/dialogs.h"

#include <QList>
#include <QString>

#include <deque>
#include <optional>

namespace vexo::test {

// Answers the program's message and input boxes in tests and remembers what
// was asked. Unscripted messages get their default button, unscripted inputs
// are cancelled.
class ScriptedDialogs : public ui::DialogResponder {
public:
    ScriptedDialogs() : scope_(this) {}

    void answer(ui::Answer a) { answers_.push_back(a); }
    void type(std::optional<QString> text) { inputs_.push_back(std::move(text)); }

    ui::Answer message(const ui::MessageRequest& request) override;
    std::optional<QString> input(const ui::InputRequest& request) override;

    QList<ui::MessageRequest> messages;
    QList<ui::InputRequest> inputs;
    // Texts of the messages shown, in order.
    QStringList texts() const;

private:
    ui::ScopedResponder scope_;
    std::deque<ui::Answer> answers_;
    std::deque<std::optional<QString>> inputs_;
};

}  // namespace vexo::test
