#include "PasswordPanel.h"

#include "ORImage.h"
#include "PageStyle.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PasswordPanel::PasswordPanel(const QString &fileName, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("passwordPanel"));
    setWindowTitle(tr("Password"));
    setModal(true);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(22, 22, 22, 18);
    row->setSpacing(18);
    auto *icon = new QLabel(this);
    icon->setPixmap(ORImage::pixmap(QStringLiteral("or_lock"), QSize(48, 48), devicePixelRatioF()));
    row->addWidget(icon, 0, Qt::AlignTop);
    auto *column = new QVBoxLayout;
    column->setSpacing(10);
    auto *title = sw::PageStyle::heading(tr("\"%1\" is protected by a password").arg(fileName), this, 13);
    title->setWordWrap(true);
    column->addWidget(title);
    column->addWidget(sw::PageStyle::muted(tr("Enter the password to extract its files."), this, 11));
    m_passwordField = new QLineEdit(this);
    m_passwordField->setObjectName(QStringLiteral("passwordField"));
    m_passwordField->setEchoMode(QLineEdit::Password);
    m_passwordField->setMinimumWidth(300);
    column->addWidget(m_passwordField);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    row->addLayout(column);
    m_passwordField->setFocus();
}

std::optional<QString> PasswordPanel::ask(const QString &fileName, QWidget *parent)
{
    PasswordPanel panel(fileName, parent);
    if (panel.exec() != QDialog::Accepted)
        return std::nullopt;
    return panel.passwordField()->text();
}
