#pragma once

#include "data/dataset.h"

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QWidget>

class QToolButton;

namespace vexo::data {
class Dataset;
}

namespace vexo::grid {

// The record navigator under a data grid: buttons that move through the
// dataset's rows and insert, delete, edit, post or cancel one.
class DatasetNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel };
    static constexpr int kButtonCount = 9;

    explicit DatasetNavigator(QWidget* parent = nullptr);

    void setDataset(data::Dataset* dataset);
    data::Dataset* dataset() const { return dataset_; }

    void setVisibleButtons(const QList<Button>& buttons);
    bool isButtonVisible(Button b) const;
    void setHint(Button b, const QString& hint);
    QString hint(Button b) const;
    QToolButton* button(Button b) const { return buttons_.value(b); }
    // An intercepted button only announces its click; the owner acts
    // (the table's own insert and delete in a table with fixed rows).
    void setIntercepted(const QSet<Button>& buttons) { intercepted_ = buttons; }

    // Default hints of the buttons.
    static QString defaultHint(Button b);

public slots:
    void click(Button b);
    void refreshState();

signals:
    void clicked(DatasetNavigator::Button button);

private:
    QPointer<data::Dataset> dataset_;
    QHash<Button, QToolButton*> buttons_;
    QSet<Button> intercepted_;
};

}  // namespace vexo::grid
