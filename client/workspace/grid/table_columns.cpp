#include "table_columns.h"

#include "data/dataset.h"

namespace vexo::grid {

void TableColumns::load(const data::Dataset& ds) {
    columns_.clear();
    const int nstr = ds.fieldIndex("NSTR"), rus = ds.fieldIndex("RUS"), eng = ds.fieldIndex("ENG"),
              sprB = ds.fieldIndex("SPR_B"), spr = ds.fieldIndex("SPR"), formula = ds.fieldIndex("FORMULA"),
              countAs = ds.fieldIndex("COUNTAS"), decimals = ds.fieldIndex("DECIMAL_FM");
    auto text = [&ds](int row, int field) { return field < 0 ? QString() : ds.valueAt(row, field).toString().trimmed(); };
    columns_.reserve(static_cast<size_t>(ds.recordCount()));
    for (int row = 0; row < ds.recordCount(); ++row) {
        TableColumn c;
        c.nstr = text(row, nstr);
        c.rus = ds.valueAt(row, rus).toString();
        c.eng = text(row, eng);
        c.sprB = text(row, sprB);
        c.spr = text(row, spr);
        c.formula = text(row, formula);
        c.countAs = text(row, countAs);
        c.decimals = text(row, decimals);
        if (c.decimals.isEmpty()) c.decimals = QStringLiteral("0");
        columns_.push_back(std::move(c));
    }
}

int TableColumns::indexOfField(const QString& eng) const {
    for (int i = 0; i < count(); ++i)
        if (columns_[static_cast<size_t>(i)].eng.compare(eng.trimmed(), Qt::CaseInsensitive) == 0) return i;
    return -1;
}

bool TableColumns::hasFixedRows() const {
    for (const TableColumn& c : columns_)
        if (isRowField(c.eng)) return true;
    return false;
}

QStringList TableColumns::list(QString TableColumn::*member) const {
    QStringList out;
    out.reserve(count());
    for (const TableColumn& c : columns_) out << c.*member;
    return out;
}

}  // namespace vexo::grid
