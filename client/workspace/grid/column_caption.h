#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace vexo::grid {

// A column caption as COLUMNS.RUS holds it: "Число коек|всего=60" is the
// two-level title "Число коек|всего" and a width of 60 pixels.
struct ColumnCaption {
    QString title;              // everything before "=", or the whole text without one
    std::optional<int> width;   // pixels; unset without "=" or when the number is not valid
    bool hasWidthPart = false;  // there was an "=" (even with an invalid number)

    static ColumnCaption parse(const QString& rus);
    // Header levels from top to bottom ("A|B" gives A, B).
    QStringList levels() const { return levelsOf(title); }
    static QStringList levelsOf(const QString& title);
};

}  // namespace vexo::grid
