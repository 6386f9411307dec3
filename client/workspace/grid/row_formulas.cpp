#include "row_formulas.h"

#include "arithmetic.h"
#include "data/dataset.h"
#include "table_columns.h"
#include "ui/app_error.h"

#include <QVariant>

namespace vexo::grid {

namespace {

constexpr int kSignificantDigits = 11;

// A field's number: empty reads as 0.
fb::Numeric numberOf(const data::Dataset& ds, const QString& field) {
    const int index = ds.fieldIndex(field);
    if (index < 0) throw std::invalid_argument("unknown field");
    const fb::Value v = ds.rawAt(ds.recNo(), index);
    if (v.isNull()) return {};
    if (auto n = std::get_if<fb::Numeric>(&v.storage())) return *n;
    if (auto i = std::get_if<std::int64_t>(&v.storage())) return fb::Numeric{*i, 0};
    const QString text = data::Dataset::toVariant(v).toString().trimmed();
    if (text.isEmpty()) return {};
    for (int scale = 0; scale <= 6; ++scale) {
        fb::Numeric n;
        if (fb::Numeric::parse(text.toStdString(), scale, n)) return n;
    }
    throw std::invalid_argument("not a number");
}

}  // namespace

QString formatFormulaOperand(const fb::Numeric& value) {
    if (value.units == 0) return QStringLiteral("0");
    const bool negative = value.units < 0;
    unsigned long long m = negative ? 0ULL - static_cast<unsigned long long>(value.units)
                                    : static_cast<unsigned long long>(value.units);
    QString digits = QString::number(m);
    // Position of the decimal point counted from the left of `digits`.
    int pointAt = static_cast<int>(digits.size()) - value.scale;
    if (digits.size() > kSignificantDigits) {
        const int dropped = static_cast<int>(digits.size()) - kSignificantDigits;
        const bool up = digits[kSignificantDigits].unicode() >= '5';
        unsigned long long kept = digits.left(kSignificantDigits).toULongLong();
        if (up) ++kept;
        digits = QString::number(kept);
        pointAt += static_cast<int>(digits.size()) - kSignificantDigits;  // 99999999999 + 1 grew a digit
        digits = digits.left(kSignificantDigits);
        Q_UNUSED(dropped);
    }
    while (digits.size() > 1 && digits.endsWith('0') && pointAt < digits.size()) digits.chop(1);
    QString text;
    if (pointAt > kSignificantDigits) {
        // Too many integer digits for fixed notation.
        text = digits.left(1);
        QString rest = digits.mid(1);
        while (rest.endsWith('0')) rest.chop(1);
        if (!rest.isEmpty()) text += '.' + rest;
        text += 'E' + QString::number(pointAt - 1);
    } else if (pointAt <= 0) {
        text = QStringLiteral("0.") + QString(-pointAt, '0') + digits;
    } else if (pointAt >= digits.size()) {
        text = digits + QString(pointAt - digits.size(), '0');
    } else {
        text = digits.left(pointAt) + '.' + digits.mid(pointAt);
    }
    return negative ? '-' + text : text;
}

QString substituteOperands(const QString& formula, const std::function<fb::Numeric(const QString&)>& valueOf) {
    QString text = formula.trimmed();
    while (text.contains('[')) {
        const qsizetype open = text.indexOf('[');
        const qsizetype close = text.indexOf(']', open + 1);
        if (close < 0) throw FormulaSyntaxError(QStringLiteral("нет закрывающей скобки «]»"));
        const QString name = text.mid(open + 1, close - open - 1);
        if (name.trimmed().isEmpty()) throw FormulaSyntaxError(QStringLiteral("пустое имя графы «[]»"));
        text.replace('[' + name + ']', formatFormulaOperand(valueOf(name.trimmed())));
    }
    return text;
}

void applyRowFormulas(data::Dataset& ds, const TableColumns& columns) {
    if (ds.state() != data::DatasetState::Edit && ds.state() != data::DatasetState::Insert) return;
    for (const TableColumn& column : columns.all()) {
        if (column.formula.trimmed().isEmpty()) continue;
        const int target = ds.fieldIndex(column.eng);
        auto broken = [&](const QString& why) {
            return AppError(QStringLiteral("Ошибка в формуле «%1» графы «%2»: %3.").arg(column.formula, column.eng, why));
        };
        if (target < 0 || !ds.column(target)) throw broken(QStringLiteral("нет такого поля"));
        std::optional<Decimal> result;
        try {
            const QString expression = substituteOperands(column.formula, [&](const QString& field) {
                try {
                    return numberOf(ds, field);
                } catch (const std::invalid_argument&) {
                    throw FormulaSyntaxError(QStringLiteral("поле «%1» не найдено или не является числом").arg(field));
                }
            });
            result = evaluateArithmetic(expression);
        } catch (const FormulaSyntaxError& e) {
            throw broken(e.text());
        } catch (const std::overflow_error&) {
            throw broken(QStringLiteral("слишком большое число"));
        }
        const int scale = -ds.column(target)->scale;
        fb::Value stored = fb::Null{};
        if (result) {
            const std::optional<fb::Numeric> n = result->toNumeric(scale);
            if (!n) throw broken(QStringLiteral("слишком большое число"));
            stored = ds.toStored(target, QVariant::fromValue(*n));
        }
        if (!(ds.rawAt(ds.recNo(), target) == stored)) ds.setRaw(ds.fieldNames().at(target), stored);
    }
}

}  // namespace vexo::grid
