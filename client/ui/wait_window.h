#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace vexo::ui {

// The borderless, always-on-top notice shown while the database is changed.
// Shown and painted at once: the work that follows runs without an event loop.
class WaitWindow : public QWidget {
    Q_OBJECT
public:
    static const QString kDefaultText;

    explicit WaitWindow(const QString& text = kDefaultText);
    ~WaitWindow() override;
    void setText(const QString& text);
    QString text() const;
    // The one window shown at the moment, if any.
    static WaitWindow* current();

private:
    QLabel* label_;
};

}  // namespace vexo::ui
