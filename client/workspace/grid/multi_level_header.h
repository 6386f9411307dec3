#pragma once

#include <QHeaderView>
#include <QStringList>
#include <QVector>

#include <vector>

class QFontMetrics;

namespace vexo::grid {

// A horizontal header of several levels built from "|" captions: the parts
// are levels from top to bottom, neighbouring columns with the same upper
// parts share one cell, and a column's last part reaches down to the bottom.
class MultiLevelHeaderView : public QHeaderView {
    Q_OBJECT
public:
    struct Cell {
        int first = 0, last = 0;        // logical sections covered (hidden ones between count in)
        int topLevel = 0, bottomLevel = 0;
        QString text;
        bool operator==(const Cell&) const = default;
    };

    explicit MultiLevelHeaderView(QWidget* parent = nullptr);

    // The cells of a header over these captions; hidden columns take no part.
    static std::vector<Cell> layoutCells(const QStringList& titles, const std::vector<bool>& hidden, int levels);
    static int levelCount(const QStringList& titles, const std::vector<bool>& hidden);
    // Heights of the levels so that every caption fits its cell (wrapped at
    // words, at most `maxLines` lines a cell).
    static QVector<int> measureLevelHeights(const QStringList& titles, const std::vector<int>& widths,
                                            const std::vector<bool>& hidden, const QFontMetrics& fm, int maxLines = 5);

    // Set by the grid, the same for every header it shows side by side.
    void setLevelHeights(const QVector<int>& heights);
    const QVector<int>& levelHeights() const { return levelHeights_; }
    int levels() const { return static_cast<int>(levelHeights_.size()); }

    // Captions of the model's sections and the cells this header paints now.
    QStringList titles() const;
    std::vector<Cell> cells() const;
    // The cell covering a section at a level (the section's own when none).
    Cell cellAt(int logical, int level) const;
    QRect cellRect(const Cell& cell) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVector<int> levelHeights_{1, 0};
};

}  // namespace vexo::grid
