#pragma once

#include <QColor>
#include <QString>

namespace vexo::data {
class Dataset;
}

namespace vexo::grid {

// A drop-down list of a column: rows of another dataset. The column shows
// a name; choosing a row writes its `sourceKey` into the dataset's `keyField`
// (the code for coded columns, the name itself for text columns).
struct ListSource {
    data::Dataset* source = nullptr;
    QString keyField;      // field of the grid's dataset that is written
    QString sourceKey;     // field of the source written into keyField
    QString sourceResult;  // field of the source shown in the list
    bool isSet() const { return source != nullptr; }
};

// One grid column as the table's metadata describes it.
struct GridColumn {
    static constexpr int kAutoWidth = -1;
    static constexpr int kMaxAutoWidth = 150;

    QString field;            // dataset field shown
    QString title;            // caption; "|" separates header levels, top first
    int width = kAutoWidth;   // pixels; auto: from the field and the caption, at most 150
    bool visible = true;
    bool readOnly = false;
    QColor color;             // background of the whole column; invalid: the grid's own
    int decimals = -1;        // >= 0: a number shown with that many places, zero empty
    bool upDown = false;      // up/down buttons step the value ("Период", "Год")
    ListSource list;          // drop-down list
    bool alwaysShowButton = false;  // the list or up/down button is drawn even when not editing
};

}  // namespace vexo::grid
