// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// The options of one command: flags ("--json"), options with a value
// ("--home H" or "--home=H", repeatable, never empty) and flags that may
// carry a value ("--save-body" or "--save-body=rh"). Anything else that
// starts with "-" is a usage error; other words ("-" among them) are kept
// as positional arguments, and so is every word after "--".
class CliOptions
{
public:
    CliOptions(const QStringList &flags, const QStringList &valued);

    void addFlags(const QStringList &flags);
    void addValued(const QStringList &valued);
    void addOptionalValued(const QString &name);
    // The usage error of a missing value, a sentence with %1 for the option
    // ("%1 needs a folder"); "%1 needs a value" when not set.
    void setMissingValueText(const QString &option, const QString &text);

    // An error text for a usage error, else nothing.
    std::optional<QString> parse(const QStringList &args);

    bool isSet(const QString &name) const { return m_setFlags.contains(name) || m_values.contains(name); }
    QStringList values(const QString &name) const { return m_values.value(name); }
    QString value(const QString &name) const { return values(name).value(values(name).size() - 1); }
    QStringList positional() const { return m_positional; }

private:
    QString missingValue(const QString &name) const;

    QSet<QString> m_flags;
    QSet<QString> m_valued;
    QSet<QString> m_optionalValued;
    QHash<QString, QString> m_missingValueTexts;
    QSet<QString> m_setFlags;
    QHash<QString, QStringList> m_values;
    QStringList m_positional;
};
