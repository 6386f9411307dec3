#include "tool_glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vexo::workspace {

namespace {

struct Glyph {
    QColor colour;
    QString mark;
};

Glyph glyphOf(MenuItem tool) {
    switch (tool) {
        case MenuItem::ToolSvod: return {QColor(0x6a, 0x3d, 0x9a), QStringLiteral("Σ")};
        case MenuItem::ToolExportData: return {QColor(0x2e, 0x7d, 0x32), QStringLiteral("↑")};
        case MenuItem::ToolImportData: return {QColor(0xc6, 0x28, 0x28), QStringLiteral("↓")};
        case MenuItem::ToolWord: return {QColor(0x1e, 0x5a, 0xb4), QStringLiteral("W")};
        case MenuItem::ToolExcel: return {QColor(0x1d, 0x6f, 0x42), QStringLiteral("X")};
        case MenuItem::ToolIE: return {QColor(0x18, 0x8f, 0xd9), QStringLiteral("e")};
        case MenuItem::ToolSettings: return {QColor(0x60, 0x60, 0x60), QStringLiteral("⚙")};
        default: return {Qt::gray, QStringLiteral("?")};
    }
}

QPixmap paint(const Glyph& g, int size, bool disabled) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fill = disabled ? QColor(0xc8, 0xc8, 0xc8) : g.colour;
    QPainterPath box;
    box.addRoundedRect(QRectF(1, 1, size - 2, size - 2), size / 6.0, size / 6.0);
    p.fillPath(box, fill);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(size * 2 / 3);
    p.setFont(f);
    p.setPen(disabled ? QColor(0xf4, 0xf4, 0xf4) : Qt::white);
    p.drawText(pixmap.rect(), Qt::AlignCenter, g.mark);
    return pixmap;
}

}  // namespace

QIcon toolGlyph(MenuItem tool) {
    const Glyph g = glyphOf(tool);
    QIcon icon;
    for (int size : {16, 24, 32}) {
        icon.addPixmap(paint(g, size, false), QIcon::Normal);
        icon.addPixmap(paint(g, size, true), QIcon::Disabled);
    }
    return icon;
}

}  // namespace vexo::workspace
