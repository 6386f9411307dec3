#include "error_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vexo::startup {

TfDbError::TfDbError(const QString& text, long statusCode, const QString& serverMessage, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Ошибка сервера БД InterBase"));
    auto* root = new QVBoxLayout(this);
    root->setSizeConstraint(QLayout::SetFixedSize);

    basicPanel_ = new QWidget(this);
    auto* basic = new QHBoxLayout(basicPanel_);
    auto* icon = new QLabel(basicPanel_);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    auto* label = new QLabel(text, basicPanel_);
    label->setObjectName("lblMessage");
    label->setWordWrap(true);
    label->setMinimumWidth(360);
    auto* buttons = new QVBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), basicPanel_);
    ok->setDefault(true);
    btnDetails_ = new QPushButton(QStringLiteral("&Сведения >>"), basicPanel_);
    btnDetails_->setObjectName("btnDetails");
    buttons->addWidget(ok);
    buttons->addWidget(btnDetails_);
    buttons->addStretch();
    basic->addWidget(icon);
    basic->addWidget(label, 1);
    basic->addLayout(buttons);
    root->addWidget(basicPanel_);

    detailsPanel_ = new QWidget(this);
    auto* details = new QVBoxLayout(detailsPanel_);
    details->addWidget(new QLabel(QStringLiteral("Номер ошибки:"), detailsPanel_));
    auto* code = new QLineEdit(QString::number(statusCode), detailsPanel_);
    code->setObjectName("edCode");
    code->setReadOnly(true);
    details->addWidget(code);
    details->addWidget(new QLabel(QStringLiteral("Исходное сообщение об ошибке:"), detailsPanel_));
    auto* memo = new QPlainTextEdit(serverMessage, detailsPanel_);
    memo->setObjectName("memoMessage");
    memo->setReadOnly(true);
    details->addWidget(memo);
    root->addWidget(detailsPanel_);
    detailsPanel_->hide();

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnDetails_, &QPushButton::clicked, this, &TfDbError::btnDetailsClick);
}

void TfDbError::btnDetailsClick() {
    const bool show = detailsPanel_->isHidden();
    detailsPanel_->setVisible(show);
    btnDetails_->setText(show ? QStringLiteral("<< &Сведения") : QStringLiteral("&Сведения >>"));
}

bool TfDbError::detailsShown() const { return !detailsPanel_->isHidden(); }

QString TfDbError::detailsButtonCaption() const { return btnDetails_->text(); }

}  // namespace vexo::startup
