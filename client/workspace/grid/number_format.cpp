#include "number_format.h"

#include "data/dataset.h"

namespace vexo::grid {

namespace {

// |units| as decimal digits with the point `scale` places from the right.
QString fixed(unsigned __int128 magnitude, int decimals) {
    QString digits;
    do {
        digits.prepend(QChar('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    if (decimals == 0) return digits;
    if (digits.size() <= decimals) digits.prepend(QString(decimals - digits.size() + 1, '0'));
    digits.insert(digits.size() - decimals, '.');
    return digits;
}

}  // namespace

QString formatNumber(const fb::Numeric& value, int decimals) {
    if (value.units == 0) return {};
    decimals = std::clamp(decimals, 0, 18);
    const bool negative = value.units < 0;
    unsigned __int128 magnitude = negative ? static_cast<unsigned __int128>(-static_cast<__int128>(value.units))
                                           : static_cast<unsigned __int128>(value.units);
    int scale = value.scale;
    while (scale < decimals) {
        magnitude *= 10;
        ++scale;
    }
    if (scale > decimals) {
        unsigned __int128 div = 1;
        for (int i = decimals; i < scale; ++i) div *= 10;
        const unsigned __int128 rest = magnitude % div;
        magnitude /= div;
        if (rest * 2 >= div) ++magnitude;
    }
    const QString text = fixed(magnitude, decimals);
    return negative && magnitude != 0 ? '-' + text : text;
}

QString formatNumber(const QVariant& value, int decimals) {
    if (!value.isValid() || value.isNull()) return {};
    if (value.userType() == qMetaTypeId<fb::Numeric>()) return formatNumber(value.value<fb::Numeric>(), decimals);
    if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int)
        return formatNumber(fb::Numeric{value.toLongLong(), 0}, decimals);
    if (value.typeId() == QMetaType::Double) {
        const double d = value.toDouble();
        if (d == 0) return {};
        QString text = QString::number(d, 'f', std::clamp(decimals, 0, 18));
        if (text.startsWith('-') && text.mid(1).remove('0').remove('.').isEmpty()) text.remove(0, 1);
        return text;
    }
    fb::Numeric n;
    if (fb::Numeric::parse(value.toString().toStdString(), 6, n)) return formatNumber(n, decimals);
    return value.toString();
}

int decimalPlaces(const QString& decimalFm) {
    bool ok = false;
    const int d = decimalFm.trimmed().toInt(&ok);
    return ok && d >= 0 ? d : 0;
}

}  // namespace vexo::grid
