// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;

// The compressor's password panel: OK hands the text to tryPassword, and
// the panel closes only when that accepts it; otherwise it stays open with
// "error password!" under the field.
class PdfPasswordPanel : public QDialog
{
    Q_OBJECT
public:
    PdfPasswordPanel(std::function<bool(const QString &)> tryPassword, QWidget *parent = nullptr);

    QLineEdit *passwordField() const { return m_passwordField; }
    QLabel *errorField() const { return m_errorField; }
    // What OK does.
    void enterPWDOk();

private:
    std::function<bool(const QString &)> m_tryPassword;
    QLineEdit *m_passwordField = nullptr;
    QLabel *m_errorField = nullptr;
};
