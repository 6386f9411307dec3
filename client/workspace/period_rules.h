#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace vexo::workspace {

// Positions in the period list carry meaning: 0-3 the quarters, 4-5 the
// half-years, 6 the year, 7-18 the months.
namespace period_pos {
constexpr int kFirstQuarter = 0;
constexpr int kLastQuarter = 3;
constexpr int kFirstHalf = 4;
constexpr int kSecondHalf = 5;
constexpr int kYear = 6;
constexpr int kJanuary = 7;
constexpr int kDecember = 18;
}  // namespace period_pos

// "квартал", "полугодие", "месяц", "год" for "кв", "пг", "мс", "гд"; other codes as they are.
QString periodicityWords(const QString& periodicity);

// The period a theme opens with in month 1-12, given the one selected now
// (-1 for none): a period of the theme's own kind already selected stays.
int defaultPeriodIndex(const QString& periodicity, int month, int current);

// Whether a period position may be chosen for a theme of this periodicity.
bool periodFits(const QString& periodicity, int index);

// The reporting year a session starts with: in January the year just ended.
int defaultYear(const QDate& today);

// Names of the four quarters: "I квартал"..., or "За 3 месяца"... (setting NazvPer).
QStringList quarterNames(bool monthsNaming);

// PERIOD of a new data row from the selected period name: "I".."IV", "год",
// "Iп", "IIп", "01".."12"; "" for any other name. The quarters are known by
// both their namings, whichever the period list shows.
QString newRowPeriodCode(const QString& periodName);

// Period codes a row of a theme of this periodicity may not be saved with.
QStringList refusedPeriods(const QString& periodicity);
bool periodRefused(const QString& periodicity, const QString& periodCode);

}  // namespace vexo::workspace
