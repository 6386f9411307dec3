#include "admin_window.h"

#include "data/data_module.h"
#include "ui/dialogs.h"
#include "user_dialog.h"
#include "user_rights.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace vexo::startup {

TfAdmin::TfAdmin(data::TfDM& dm, UserRights& current, QWidget* parent)
    : QDialog(parent), dm_(dm), current_(current), accounts_(dm) {
    setObjectName("TfAdmin");
    setWindowTitle(QStringLiteral("Администратор"));
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    btnAdd = new QPushButton(QStringLiteral("&Добавить"), this);
    btnDel = new QPushButton(QStringLiteral("&Удалить"), this);
    btnEdit = new QPushButton(QStringLiteral("&Изменить"), this);
    btnEdit->setDefault(true);
    btnExit = new QPushButton(QStringLiteral("Вы&ход"), this);
    cbParol = new QCheckBox(QStringLiteral("Включить систему паролей"), this);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {btnAdd, btnDel, btnEdit}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(btnExit);
    auto* top = new QHBoxLayout;
    top->addWidget(ListBox1, 1);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(cbParol);
    resize(380, 300);

    connect(btnAdd, &QPushButton::clicked, this, &TfAdmin::btnAddClick);
    connect(btnEdit, &QPushButton::clicked, this, &TfAdmin::btnEditClick);
    connect(btnDel, &QPushButton::clicked, this, &TfAdmin::btnDelClick);
    connect(btnExit, &QPushButton::clicked, this, &TfAdmin::btnExitClick);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] {
        if (btnEdit->isEnabled()) btnEditClick();
    });
}

void TfAdmin::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfAdmin::FormShow() {
    accounts_.open();
    cbParol->setChecked(accounts_.passwordSystemOn());
    fillList(0);
    applyControls();
}

void TfAdmin::fillList(int select) {
    data::Dataset& ds = accounts_.dataset();
    ListBox1->clear();
    const int a = ds.fieldIndex("A");
    for (int row = 0; row < ds.recordCount(); ++row) ListBox1->addItem(ds.valueAt(row, a).toString().trimmed());
    if (ListBox1->count() > 0) ListBox1->setCurrentRow(std::clamp(select, 0, ListBox1->count() - 1));
}

void TfAdmin::applyControls() {
    const AdminControls c = adminControls(accounts_.count(), accounts_.hasAdministrator(), cbParol->isChecked());
    btnEdit->setEnabled(c.change);
    btnDel->setEnabled(c.remove);
    cbParol->setEnabled(c.passwordCheckEnabled);
    cbParol->setChecked(c.passwordChecked);
}

bool TfAdmin::selectCurrentUser() {
    const int row = ListBox1->currentRow();
    data::Dataset& ds = accounts_.dataset();
    if (row < 0 || row >= ds.recordCount()) return false;
    ds.moveTo(row);
    return true;
}

void TfAdmin::btnAddClick() {
    TfUser dialog(dm_, UserDialogMode::Add, current_, this);
    if (dialog.exec() == QDialog::Accepted) {
        const QString added = dialog.edName->text().trimmed();
        accounts_.open();
        fillList(0);
        const auto found = ListBox1->findItems(added, Qt::MatchExactly);
        if (!found.isEmpty()) ListBox1->setCurrentItem(found.first());
    }
    applyControls();
}

void TfAdmin::btnEditClick() {
    if (!selectCurrentUser()) return;
    const int row = ListBox1->currentRow();
    TfUser dialog(dm_, UserDialogMode::Change, current_, this);
    if (dialog.exec() == QDialog::Accepted) {
        accounts_.open();
        fillList(row);
    }
    applyControls();
}

void TfAdmin::btnDelClick() {
    if (!selectCurrentUser()) return;
    data::Dataset& ds = accounts_.dataset();
    if (ds.text("A").trimmed() == UserRights::kReservedName) {
        ui::messageBox({QStringLiteral("Нельзя удалить зарезервированного пользователя \"sa\"!"),
                        ui::kCaptionAttention, ui::Icon::Warning, ui::Buttons::Ok, ui::Answer::Ok},
                       this);
        return;
    }
    const ui::Answer answer =
        ui::messageBox({QStringLiteral("Удалить выбранного пользователя?"), ui::kCaptionDelete, ui::Icon::Question,
                        ui::Buttons::OkCancel, ui::Answer::Cancel},
                       this);
    if (answer != ui::Answer::Ok) return;
    const int row = ListBox1->currentRow();
    ds.remove();  // committed at once
    fillList(row);
    applyControls();
}

void TfAdmin::btnExitClick() {
    if (closing_) return;
    closing_ = true;
    accounts_.setPasswordSystem(cbParol->isChecked());
    QDialog::accept();
}

void TfAdmin::reject() { btnExitClick(); }

}  // namespace vexo::startup
