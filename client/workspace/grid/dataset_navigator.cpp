#include "dataset_navigator.h"

#include "data/dataset.h"
#include "grid_errors.h"
#include "ui/dialogs.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace vexo::grid {

namespace {

QStyle::StandardPixmap iconOf(DatasetNavigator::Button b) {
    switch (b) {
        case DatasetNavigator::First: return QStyle::SP_MediaSkipBackward;
        case DatasetNavigator::Prior: return QStyle::SP_MediaSeekBackward;
        case DatasetNavigator::Next: return QStyle::SP_MediaSeekForward;
        case DatasetNavigator::Last: return QStyle::SP_MediaSkipForward;
        case DatasetNavigator::Insert: return QStyle::SP_FileDialogNewFolder;
        case DatasetNavigator::Delete: return QStyle::SP_TrashIcon;
        case DatasetNavigator::Edit: return QStyle::SP_FileDialogDetailedView;
        case DatasetNavigator::Post: return QStyle::SP_DialogApplyButton;
        case DatasetNavigator::Cancel: return QStyle::SP_DialogCancelButton;
    }
    return QStyle::SP_CustomBase;
}

bool editing(const data::Dataset* ds) {
    return ds && (ds->state() == data::DatasetState::Edit || ds->state() == data::DatasetState::Insert);
}

}  // namespace

QString DatasetNavigator::defaultHint(Button b) {
    switch (b) {
        case First: return QStringLiteral("Первая запись");
        case Prior: return QStringLiteral("Предыдущая запись");
        case Next: return QStringLiteral("Следующая запись");
        case Last: return QStringLiteral("Последняя запись");
        case Insert: return QStringLiteral("Вставить запись");
        case Delete: return QStringLiteral("Удалить запись");
        case Edit: return QStringLiteral("Редактировать запись");
        case Post: return QStringLiteral("Сохранить изменения");
        case Cancel: return QStringLiteral("Отменить изменения");
    }
    return {};
}

DatasetNavigator::DatasetNavigator(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (int i = 0; i < kButtonCount; ++i) {
        const auto b = static_cast<Button>(i);
        auto* button = new QToolButton(this);
        button->setIcon(style()->standardIcon(iconOf(b)));
        button->setToolTip(defaultHint(b));
        button->setAutoRaise(false);
        layout->addWidget(button);
        buttons_.insert(b, button);
        connect(button, &QToolButton::clicked, this, [this, b] { click(b); });
    }
    layout->addStretch(1);  // the buttons keep together at the left
    refreshState();
}

void DatasetNavigator::setDataset(data::Dataset* dataset) {
    if (dataset_) disconnect(dataset_, nullptr, this, nullptr);
    dataset_ = dataset;
    if (dataset_) {
        connect(dataset_, &data::Dataset::modelReset, this, &DatasetNavigator::refreshState);
        connect(dataset_, &data::Dataset::rowInserted, this, &DatasetNavigator::refreshState);
        connect(dataset_, &data::Dataset::rowRemoved, this, &DatasetNavigator::refreshState);
        connect(dataset_, &data::Dataset::rowChanged, this, &DatasetNavigator::refreshState);
        connect(dataset_, &data::Dataset::currentChanged, this, &DatasetNavigator::refreshState);
    }
    refreshState();
}

void DatasetNavigator::setVisibleButtons(const QList<Button>& visible) {
    for (auto it = buttons_.begin(); it != buttons_.end(); ++it) it.value()->setVisible(visible.contains(it.key()));
}

bool DatasetNavigator::isButtonVisible(Button b) const { return !buttons_.value(b)->isHidden(); }

void DatasetNavigator::setHint(Button b, const QString& hint) { buttons_.value(b)->setToolTip(hint); }

QString DatasetNavigator::hint(Button b) const { return buttons_.value(b)->toolTip(); }

void DatasetNavigator::refreshState() {
    data::Dataset* ds = dataset_;
    const bool open = ds && ds->isOpen();
    const bool rows = open && ds->recordCount() > 0;
    const bool edit = editing(ds);
    const int at = open ? ds->recNo() : -1;
    buttons_[First]->setEnabled(rows && at > 0);
    buttons_[Prior]->setEnabled(rows && at > 0);
    buttons_[Next]->setEnabled(rows && at < ds->recordCount() - 1);
    buttons_[Last]->setEnabled(rows && at < ds->recordCount() - 1);
    const bool writable = open && !ds->isReadOnly();
    buttons_[Insert]->setEnabled(writable);
    buttons_[Delete]->setEnabled(writable && rows);
    buttons_[Edit]->setEnabled(writable && rows && !edit);
    buttons_[Post]->setEnabled(edit);
    buttons_[Cancel]->setEnabled(edit);
}

void DatasetNavigator::click(Button b) {
    emit clicked(b);
    if (intercepted_.contains(b) || !dataset_ || !dataset_->isOpen()) {
        refreshState();
        return;
    }
    try {
        switch (b) {
            case First: dataset_->first(); break;
            case Prior: dataset_->prior(); break;
            case Next: dataset_->next(); break;
            case Last: dataset_->last(); break;
            case Insert: dataset_->insert(); break;
            case Delete:
                if (ui::messageBox({QStringLiteral("Удалить текущую запись?"), ui::kCaptionDelete, ui::Icon::Question,
                                    ui::Buttons::OkCancel, ui::Answer::Cancel},
                                   this) == ui::Answer::Ok)
                    dataset_->remove();
                break;
            case Edit: dataset_->edit(); break;
            case Post: dataset_->post(); break;
            case Cancel: dataset_->cancel(); break;
        }
    } catch (...) {
        reportError(std::current_exception());
    }
    refreshState();
}

}  // namespace vexo::grid
