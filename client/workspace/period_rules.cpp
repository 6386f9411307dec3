#include "period_rules.h"

namespace vexo::workspace {

using namespace period_pos;

QString periodicityWords(const QString& periodicity) {
    const QString p = periodicity.trimmed();
    if (p == QStringLiteral("кв")) return QStringLiteral("квартал");
    if (p == QStringLiteral("пг")) return QStringLiteral("полугодие");
    if (p == QStringLiteral("мс")) return QStringLiteral("месяц");
    if (p == QStringLiteral("гд")) return QStringLiteral("год");
    return p;
}

int defaultPeriodIndex(const QString& periodicity, int month, int current) {
    const QString p = periodicity.trimmed();
    if (p == QStringLiteral("кв")) {
        if (current >= kFirstQuarter && current <= kLastQuarter) return current;
        if (month == 1) return 3;  // the year just ended: its fourth quarter
        if (month <= 4) return 0;
        if (month <= 7) return 1;
        if (month <= 10) return 2;
        return 3;
    }
    if (p == QStringLiteral("пг")) {
        if (current == kFirstHalf || current == kSecondHalf) return current;
        if (month == 1) return kSecondHalf;
        return month <= 7 ? kFirstHalf : kSecondHalf;
    }
    if (p == QStringLiteral("мс")) {
        if (current >= kJanuary) return current;
        if (month == 1) return kDecember;
        return month + 5;  // the month just ended
    }
    if (p == QStringLiteral("гд")) return kYear;
    return current;
}

bool periodFits(const QString& periodicity, int index) {
    const QString p = periodicity.trimmed();
    if (p == QStringLiteral("кв")) return (index >= kFirstQuarter && index <= kLastQuarter) || index > kDecember;
    if (p == QStringLiteral("пг")) return index == kFirstHalf || index == kSecondHalf;
    if (p == QStringLiteral("мс")) return index >= kJanuary && index <= kDecember;
    if (p == QStringLiteral("гд")) return index == kYear;
    return true;
}

int defaultYear(const QDate& today) { return today.month() == 1 ? today.year() - 1 : today.year(); }

QStringList quarterNames(bool monthsNaming) {
    if (monthsNaming)
        return {QStringLiteral("За 3 месяца"), QStringLiteral("За 6 месяцев"), QStringLiteral("За 9 месяцев"),
                QStringLiteral("За 12 месяцев")};
    return {QStringLiteral("I квартал"), QStringLiteral("II квартал"), QStringLiteral("III квартал"),
            QStringLiteral("IV квартал")};
}

QString newRowPeriodCode(const QString& periodName) {
    static const QStringList quarterCodes{QStringLiteral("I"), QStringLiteral("II"), QStringLiteral("III"),
                                          QStringLiteral("IV")};
    static const QStringList months{QStringLiteral("Январь"),   QStringLiteral("Февраль"), QStringLiteral("Март"),
                                    QStringLiteral("Апрель"),   QStringLiteral("Май"),     QStringLiteral("Июнь"),
                                    QStringLiteral("Июль"),     QStringLiteral("Август"),  QStringLiteral("Сентябрь"),
                                    QStringLiteral("Октябрь"),  QStringLiteral("Ноябрь"),  QStringLiteral("Декабрь")};
    const QString name = periodName.trimmed();
    for (bool monthsNaming : {false, true}) {
        const qsizetype quarter = quarterNames(monthsNaming).indexOf(name);
        if (quarter >= 0) return quarterCodes[quarter];
    }
    if (name == QStringLiteral("Весь год")) return QStringLiteral("год");
    if (name == QStringLiteral("I полугодие")) return QStringLiteral("Iп");
    if (name == QStringLiteral("II полугодие")) return QStringLiteral("IIп");
    const qsizetype month = months.indexOf(name);
    return month >= 0 ? QStringLiteral("%1").arg(month + 1, 2, 10, QLatin1Char('0')) : QString();
}

QStringList refusedPeriods(const QString& periodicity) {
    // The cumulative periods "102".."111" belong to the monthly themes only.
    const QStringList cumulative{"102", "104", "105", "107", "108", "110", "111"};
    const QStringList quarters{"I", "II", "III", "IV"};
    const QStringList halves{QStringLiteral("Iп"), QStringLiteral("IIп")};
    const QString year = QStringLiteral("год");
    const QString p = periodicity.trimmed();
    if (p == QStringLiteral("кв")) return halves + QStringList{year} + cumulative;
    if (p == QStringLiteral("пг")) return quarters + QStringList{year} + cumulative;
    if (p == QStringLiteral("мс")) return quarters + QStringList{year} + halves;
    if (p == QStringLiteral("гд")) return quarters + halves + cumulative;
    return {};
}

bool periodRefused(const QString& periodicity, const QString& periodCode) {
    return refusedPeriods(periodicity).contains(periodCode.trimmed());
}

}  // namespace vexo::workspace
