#include "hint_router.h"

#include "menu_state.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolTip>

namespace vexo::workspace {

HintRouter::HintRouter(QStatusBar* statusBar, QObject* parent) : QObject(parent), statusBar_(statusBar) {}

void HintRouter::watchMenu(QMenu* menu) {
    if (menu) menu->installEventFilter(this);
}

void HintRouter::watchControls(QWidget* root) {
    const auto install = [this](QWidget* w) {
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) || qobject_cast<QComboBox*>(w))
            w->installEventFilter(this);
    };
    install(root);
    for (QWidget* w : root->findChildren<QWidget*>()) install(w);
}

QString HintRouter::autoHint(const QWidget* control) {
    QString text;
    int room = control->contentsRect().width();
    if (auto* check = qobject_cast<const QCheckBox*>(control)) return QString(check->text()).remove('&');
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) {
        text = QString(button->text()).remove('&');
        room -= 12;  // the button's frame
    } else if (auto* label = qobject_cast<const QLabel*>(control)) {
        if (!label->pixmap().isNull()) return {};
        text = label->text();
    } else if (auto* combo = qobject_cast<const QComboBox*>(control)) {
        text = combo->currentText();
        room -= 24;  // the arrow
    }
    if (text.isEmpty()) return {};
    return control->fontMetrics().horizontalAdvance(text) > room ? text : QString();
}

bool HintRouter::eventFilter(QObject* watched, QEvent* event) {
    if (auto* menu = qobject_cast<QMenu*>(watched)) {
        // Qt keeps quiet about disabled items; their hints say why they are disabled.
        if (event->type() == QEvent::MouseMove) {
            const QAction* a = menu->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (a && !a->isEnabled() && !a->isSeparator()) {
                const QString tip = statusPart(a->statusTip());
                if (tip.isEmpty()) statusBar_->clearMessage();
                else statusBar_->showMessage(tip);
            }
        } else if (event->type() == QEvent::Hide) {
            statusBar_->clearMessage();
        }
        return false;
    }
    if (event->type() == QEvent::ToolTip) {
        auto* w = static_cast<QWidget*>(watched);
        auto* help = static_cast<QHelpEvent*>(event);
        const QString own = w->toolTip();
        const QString text = own.isEmpty() ? autoHint(w) : own;
        if (text.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), text, w, {}, kTooltipMs);
        }
        return true;
    }
    return false;
}

}  // namespace vexo::workspace
