#include "wait_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QStyle>

namespace vexo::ui {

namespace {
WaitWindow* g_current = nullptr;
}

const QString WaitWindow::kDefaultText = QStringLiteral("Идет установка программы \"Ривента\".  Ждите...");

WaitWindow::WaitWindow(const QString& text) : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool) {
    // At most one at a time: a newer one replaces the older.
    if (g_current) g_current->hide();
    g_current = this;
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(400, 51);
    auto* layout = new QHBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    label_ = new QLabel(text, this);
    label_->setStyleSheet(QStringLiteral("font-weight: bold; color: navy;"));
    layout->addWidget(picture);
    layout->addWidget(label_, 1);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

WaitWindow::~WaitWindow() {
    if (g_current == this) g_current = nullptr;
}

void WaitWindow::setText(const QString& text) {
    label_->setText(text);
    repaint();
}

QString WaitWindow::text() const { return label_->text(); }

WaitWindow* WaitWindow::current() { return g_current; }

}  // namespace vexo::ui
