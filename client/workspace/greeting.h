#pragma once

#include <QDate>
#include <QLabel>
#include <QString>

#include <optional>

namespace vexo::workspace {

// The greeting of the day: the hint of its picture, or none.
std::optional<QString> greetingFor(const QDate& day);

// The picture beside the table list; hidden on days without a greeting.
class GreetingPicture : public QLabel {
    Q_OBJECT
public:
    explicit GreetingPicture(QWidget* parent = nullptr);
    void showFor(const QDate& day);
};

}  // namespace vexo::workspace
