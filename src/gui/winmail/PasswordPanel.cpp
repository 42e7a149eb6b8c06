// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/winmail/PasswordPanel.h"

#include "gui/controls/ORImage.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/shell/PageStyle.h"

#include <QDialogButtonBox>
#include <QEventLoop>
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
    m_problemField = new QLabel(this);
    m_problemField->setObjectName(QStringLiteral("problemField"));
    m_problemField->setWordWrap(true);
    // A line kept for it, so the panel does not jump when it fills.
    m_problemField->setMinimumHeight(m_problemField->fontMetrics().lineSpacing() + 2);
    column->addWidget(m_problemField);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(m_buttons);
    row->addLayout(column);
    showProblem(QString(), false);
}

std::optional<QString> PasswordPanel::ask(const QString &problem)
{
    showProblem(problem, false);
    m_passwordField->selectAll();
    show();
    raise();
    activateWindow();
    m_passwordField->setFocus();
    QEventLoop loop;
    m_loop = &loop;
    const int answer = loop.exec();
    m_loop = nullptr;
    if (answer != Accepted)
        return std::nullopt;
    showProblem(tr("Trying the password…"), true);
    return m_passwordField->text();
}

void PasswordPanel::accept()
{
    // OK keeps the panel up: it closes once the password worked.
    if (m_loop)
        m_loop->exit(Accepted);
}

void PasswordPanel::reject()
{
    QDialog::reject();
    if (m_loop)
        m_loop->exit(Rejected);
}

void PasswordPanel::showProblem(const QString &text, bool trying)
{
    m_problemField->setText(text);
    sw::ThemeFollower::style(m_problemField, trying ? QStringLiteral("color:@muted;")
                                                    : QStringLiteral("color:@danger; font-weight:600;"));
    m_passwordField->setEnabled(!trying);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!trying);
}
