#include "greeting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace vexo::workspace {

namespace {

struct Holiday {
    int from;  // month * 100 + day
    int to;
    const char* hint;
};

constexpr Holiday kHolidays[] = {
    {1225, 1231, "С Новым Годом!"},
    {217, 223, "С Днем защитника Отечества!"},
    {302, 308, "С 8 Марта!"},
    {425, 501, "С Праздником!"},
    {503, 509, "Помним! Гордимся!"},
    {606, 612, "С Праздником!"},
    {1029, 1104, "С Праздником!"},
};

QPixmap paintCard(const QString& text, QSize size) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(0xfd, 0xf3, 0xd8));
    g.setColorAt(1, QColor(0xf2, 0xc9, 0x6b));
    p.fillRect(pixmap.rect(), g);
    p.setPen(QPen(QColor(0xa3, 0x2b, 0x1e), 2));
    p.drawRoundedRect(pixmap.rect().adjusted(1, 1, -2, -2), 6, 6);
    QFont f = p.font();
    f.setBold(true);
    f.setPointSize(9);
    p.setFont(f);
    p.drawText(pixmap.rect().adjusted(6, 4, -6, -4), Qt::AlignCenter | Qt::TextWordWrap, text);
    return pixmap;
}

}  // namespace

std::optional<QString> greetingFor(const QDate& day) {
    if (!day.isValid()) return std::nullopt;
    const int md = day.month() * 100 + day.day();
    for (const Holiday& h : kHolidays)
        if (md >= h.from && md <= h.to) return QString::fromUtf8(h.hint);
    return std::nullopt;
}

GreetingPicture::GreetingPicture(QWidget* parent) : QLabel(parent) {
    setObjectName("imgGreeting");
    setFixedSize(124, 48);
    setAlignment(Qt::AlignCenter);
    hide();
}

void GreetingPicture::showFor(const QDate& day) {
    const auto hint = greetingFor(day);
    if (!hint) {
        hide();
        setToolTip({});
        setStatusTip({});
        return;
    }
    setPixmap(paintCard(*hint, size()));
    setToolTip(*hint);
    setStatusTip(*hint);
    show();
}

}  // namespace vexo::workspace
