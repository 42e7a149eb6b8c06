// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pdf/PdfPasswordPanel.h"

#include "gui/controls/ThemeFollower.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PdfPasswordPanel::PdfPasswordPanel(std::function<bool(const QString &)> tryPassword, QWidget *parent)
    : QDialog(parent), m_tryPassword(std::move(tryPassword))
{
    setObjectName(QStringLiteral("pdfPasswordPanel"));
    setWindowTitle(tr("Password"));
    auto *column = new QVBoxLayout(this);
    column->addWidget(new QLabel(tr("Enter the document's password:"), this));
    m_passwordField = new QLineEdit(this);
    m_passwordField->setObjectName(QStringLiteral("passwordField"));
    m_passwordField->setEchoMode(QLineEdit::Password);
    m_passwordField->setMinimumWidth(280);
    column->addWidget(m_passwordField);
    m_errorField = new QLabel(tr("Wrong password"), this);
    m_errorField->setObjectName(QStringLiteral("errorField"));
    sw::ThemeFollower::style(m_errorField, QStringLiteral("color: @danger;"));
    m_errorField->hide();
    column->addWidget(m_errorField);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PdfPasswordPanel::enterPWDOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_passwordField, &QLineEdit::textEdited, m_errorField, &QWidget::hide);
}

void PdfPasswordPanel::enterPWDOk()
{
    if (m_tryPassword(m_passwordField->text())) {
        m_errorField->hide();
        accept();
        return;
    }
    m_errorField->show();
    m_passwordField->selectAll();
    m_passwordField->setFocus();
}
