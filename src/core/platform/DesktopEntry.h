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
    // The value in the first of the user's languages that has one (each
    // tried as lang_COUNTRY, then lang), else the plain value.
    QString localizedValue(const QString &key) const;
    bool contains(const QString &key) const;
    bool boolValue(const QString &key) const;  // "true" (or "1") only
    void setValue(const QString &key, const QString &value);

    QString name() const { return value(QStringLiteral("Name")); }
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
