#pragma once

#include <QObject>

class QMenu;
class QStatusBar;
class QWidget;

namespace vexo::workspace {

// Hints of the main window: the status bar shows the hint of the menu item
// under the pointer, disabled ones included (they say why); check boxes and
// controls whose text does not fit show their full text as a tooltip. Tooltips
// hide after five seconds.
class HintRouter : public QObject {
    Q_OBJECT
public:
    static constexpr int kTooltipMs = 5000;

    HintRouter(QStatusBar* statusBar, QObject* parent);
    void watchMenu(QMenu* menu);
    // Check boxes, labels, buttons and combo boxes under root.
    void watchControls(QWidget* root);

    // The text a control shows as its hint when it has none of its own; empty for none.
    static QString autoHint(const QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStatusBar* statusBar_;
};

}  // namespace vexo::workspace
