#include "multi_level_header.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionHeader>

#include <algorithm>
#include <numeric>

namespace vexo::grid {

namespace {

constexpr int kPadX = 3;
constexpr int kPadY = 2;

bool samePrefix(const QStringList& a, const QStringList& b, int through) {
    for (int i = 0; i <= through; ++i)
        if (a.value(i) != b.value(i)) return false;
    return true;
}

}  // namespace

MultiLevelHeaderView::MultiLevelHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsMovable(false);
    setSectionsClickable(false);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
    levelHeights_ = {fontMetrics().height() + 2 * kPadY + 2};
}

int MultiLevelHeaderView::levelCount(const QStringList& titles, const std::vector<bool>& hidden) {
    int levels = 1;
    for (int i = 0; i < titles.size(); ++i)
        if (!(i < static_cast<int>(hidden.size()) && hidden[static_cast<size_t>(i)]))
            levels = std::max(levels, static_cast<int>(titles[i].count('|')) + 1);
    return levels;
}

std::vector<MultiLevelHeaderView::Cell> MultiLevelHeaderView::layoutCells(const QStringList& titles,
                                                                          const std::vector<bool>& hidden,
                                                                          int levels) {
    std::vector<QStringList> parts(static_cast<size_t>(titles.size()));
    for (int i = 0; i < titles.size(); ++i) parts[static_cast<size_t>(i)] = titles[i].split('|');
    auto isHidden = [&](int i) { return i < static_cast<int>(hidden.size()) && hidden[static_cast<size_t>(i)]; };

    std::vector<Cell> cells;
    for (int level = 0; level < levels; ++level) {
        int previous = -1;  // last visible section at this level
        int open = -1;      // the upper cell that section started or joined
        for (int i = 0; i < titles.size(); ++i) {
            if (isHidden(i)) continue;
            const QStringList& p = parts[static_cast<size_t>(i)];
            const int last = static_cast<int>(p.size()) - 1;
            if (level > last) {
                open = -1;  // covered by this column's own bottom cell
            } else if (level == last) {
                cells.push_back({i, i, level, levels - 1, p[level]});
                open = -1;
            } else if (open >= 0 && samePrefix(parts[static_cast<size_t>(previous)], p, level)) {
                cells[static_cast<size_t>(open)].last = i;
            } else {
                cells.push_back({i, i, level, level, p[level]});
                open = static_cast<int>(cells.size()) - 1;
            }
            previous = i;
        }
    }
    return cells;
}

QVector<int> MultiLevelHeaderView::measureLevelHeights(const QStringList& titles, const std::vector<int>& widths,
                                                       const std::vector<bool>& hidden, const QFontMetrics& fm,
                                                       int maxLines) {
    const int levels = levelCount(titles, hidden);
    const int line = fm.height();
    QVector<int> heights(levels, line + 2 * kPadY + 2);
    const std::vector<Cell> cells = layoutCells(titles, hidden, levels);
    auto needed = [&](const Cell& c) {
        int width = 0;
        for (int i = c.first; i <= c.last; ++i)
            if (!(i < static_cast<int>(hidden.size()) && hidden[static_cast<size_t>(i)]))
                width += i < static_cast<int>(widths.size()) ? widths[static_cast<size_t>(i)] : 0;
        const QRect r = fm.boundingRect(QRect(0, 0, std::max(width - 2 * kPadX, 1), line * maxLines),
                                        Qt::AlignCenter | Qt::TextWordWrap, c.text);
        return std::min(r.height(), line * maxLines) + 2 * kPadY + 2;
    };
    // One-level cells first; a cell over several levels then tops up the lowest one.
    for (const Cell& c : cells)
        if (c.topLevel == c.bottomLevel) heights[c.topLevel] = std::max(heights[c.topLevel], needed(c));
    for (const Cell& c : cells) {
        if (c.topLevel == c.bottomLevel) continue;
        int have = 0;
        for (int l = c.topLevel; l <= c.bottomLevel; ++l) have += heights[l];
        if (const int more = needed(c) - have; more > 0) heights[c.bottomLevel] += more;
    }
    return heights;
}

void MultiLevelHeaderView::setLevelHeights(const QVector<int>& heights) {
    if (heights == levelHeights_ || heights.isEmpty()) return;
    levelHeights_ = heights;
    const int total = std::accumulate(heights.begin(), heights.end(), 0);
    setMinimumHeight(total);
    setMaximumHeight(total);
    updateGeometry();
    viewport()->update();
}

QStringList MultiLevelHeaderView::titles() const {
    QStringList out;
    if (!model()) return out;
    for (int i = 0; i < count(); ++i) out << model()->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
    return out;
}

std::vector<MultiLevelHeaderView::Cell> MultiLevelHeaderView::cells() const {
    std::vector<bool> hidden(static_cast<size_t>(count()));
    for (int i = 0; i < count(); ++i) hidden[static_cast<size_t>(i)] = isSectionHidden(i);
    return layoutCells(titles(), hidden, levels());
}

MultiLevelHeaderView::Cell MultiLevelHeaderView::cellAt(int logical, int level) const {
    for (const Cell& c : cells())
        if (c.first <= logical && logical <= c.last && c.topLevel <= level && level <= c.bottomLevel) return c;
    return {logical, logical, level, level, {}};
}

QRect MultiLevelHeaderView::cellRect(const Cell& cell) const {
    int top = 0;
    for (int l = 0; l < cell.topLevel && l < levels(); ++l) top += levelHeights_[l];
    int height = 0;
    for (int l = cell.topLevel; l <= cell.bottomLevel && l < levels(); ++l) height += levelHeights_[l];
    int first = cell.first, last = cell.last;
    while (first < last && isSectionHidden(first)) ++first;
    while (last > first && isSectionHidden(last)) --last;
    const int left = sectionViewportPosition(first);
    const int right = sectionViewportPosition(last) + sectionSize(last);
    return QRect(left, top, right - left, height);
}

QSize MultiLevelHeaderView::sizeHint() const {
    QSize s = QHeaderView::sizeHint();
    s.setHeight(std::accumulate(levelHeights_.begin(), levelHeights_.end(), 0));
    return s;
}

void MultiLevelHeaderView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect area = event->rect();
    painter.fillRect(area, palette().button());
    for (const Cell& cell : cells()) {
        const QRect r = cellRect(cell);
        if (!r.intersects(area) || r.width() <= 0) continue;
        QStyleOptionHeader opt;
        initStyleOption(&opt);
        opt.rect = r;
        opt.section = cell.first;
        opt.position = QStyleOptionHeader::Middle;
        opt.state |= QStyle::State_Raised;
        style()->drawControl(QStyle::CE_HeaderSection, &opt, &painter, this);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(r.topRight(), r.bottomRight());
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(r.adjusted(kPadX, kPadY, -kPadX, -kPadY), Qt::AlignCenter | Qt::TextWordWrap, cell.text);
    }
}

}  // namespace vexo::grid
