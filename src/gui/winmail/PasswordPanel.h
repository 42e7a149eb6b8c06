// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <optional>

class QDialogButtonBox;
class QEventLoop;
class QLabel;
class QLineEdit;

// The modal prompt for an archive's password. It stays up while the
// password is tried: asked again after a wrong one, it says so under the
// field and waits for another; Cancel gives up the extraction. Whoever
// asks closes it once the password worked.
class PasswordPanel : public QDialog
{
    Q_OBJECT
public:
    PasswordPanel(const QString &fileName, QWidget *parent = nullptr);

    QLineEdit *passwordField() const { return m_passwordField; }
    QLabel *problemField() const { return m_problemField; }
    QDialogButtonBox *buttons() const { return m_buttons; }

    // Shows the panel with problem under the field (none the first time)
    // and waits for OK or Cancel: the password, or nullopt for Cancel. After
    // OK the panel stays up, locked, saying that the password is tried.
    std::optional<QString> ask(const QString &problem = QString());
    // Waiting for the user (rather than for a password to be tried).
    bool isWaiting() const { return m_loop != nullptr; }

    void accept() override;
    void reject() override;

private:
    void showProblem(const QString &text, bool trying);

    QLineEdit *m_passwordField = nullptr;
    QLabel *m_problemField = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    QEventLoop *m_loop = nullptr;
};
