#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;

// The modal prompt for an archive's password: OK hands the text on, Cancel
// gives up the extraction.
class PasswordPanel : public QDialog
{
    Q_OBJECT
public:
    PasswordPanel(const QString &fileName, QWidget *parent = nullptr);

    QLineEdit *passwordField() const { return m_passwordField; }

    // Shows the panel and waits; nullopt when the user cancelled.
    static std::optional<QString> ask(const QString &fileName, QWidget *parent);

private:
    QLineEdit *m_passwordField = nullptr;
};
