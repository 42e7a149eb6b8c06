// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace sw {

// The [Desktop Entry] group of a freedesktop .desktop file.
//
// Values are kept unescaped (\s \n \t \r \\); localized keys such as Name[de]
// are kept apart from the plain key and read only through localizedValue().
// Exec is split by the desktop-entry quoting rules: double quotes, backslash
// escapes, field codes (%f %U ...) dropped, "%%" kept as "%".
class DesktopEntry
{
public:
    // nullopt when the file cannot be read or has no [Desktop Entry] group.
    static std::optional<DesktopEntry> load(const QString &path);
    static std::optional<DesktopEntry> parse(const QByteArray &text);

    QString value(const QString &key) const;  // empty when absent
    QString localizedValue(const QString &key, const QString &locale) const;
    // The value of key in the user's language, matched as the desktop-entry
    // specification matches a locale (Name[sr_RS@latin], Name[sr_RS],
    // Name[sr@latin], Name[sr]); the plain key when none is there.
    QString localizedValue(const QString &key) const;
    // The locales the user reads messages in, best first, as QLocale's
    // uiLanguages() lists them for the system locale (so names follow the
    // language the program's own texts are shown in): the entries of
    // LANGUAGE when it is set, else the first of LC_ALL, LC_MESSAGES and
    // LANG that is; the @modifier kept, C and POSIX left out.
    static QStringList userLocales();
    bool contains(const QString &key) const;
    bool boolValue(const QString &key) const;  // "true" (or "1") only
    void setValue(const QString &key, const QString &value);

    QString name() const { return value(QStringLiteral("Name")); }
    QString localizedName() const { return localizedValue(QStringLiteral("Name")); }
    QString icon() const { return value(QStringLiteral("Icon")); }
    QString exec() const { return value(QStringLiteral("Exec")); }
    QString tryExec() const { return value(QStringLiteral("TryExec")); }
    QString type() const { return value(QStringLiteral("Type")); }
    bool hidden() const { return boolValue(QStringLiteral("Hidden")); }
    bool noDisplay() const { return boolValue(QStringLiteral("NoDisplay")); }

    // Exec split into arguments, field codes removed.
    QStringList execArguments() const;
    // The program Exec runs: its first argument, after an "env [VAR=x ...]" prefix.
    QString program() const;
    // program() as an absolute path: looked up on PATH when it is a bare name;
    // empty when no executable file is found.
    QString resolvedProgram() const;

    // Exec text that runs the program at path with no arguments.
    static QString execForProgram(const QString &path);
    static QStringList splitExec(const QString &exec);

    QByteArray toText() const;
    bool save(const QString &path) const;  // atomically, via a temporary file

private:
    QList<std::pair<QString, QString>> m_values;  // in file order, unescaped
};

}  // namespace sw
