// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/DesktopEntry.h"

#include "core/platform/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace sw {

namespace {

constexpr qint64 kMaxFileBytes = 1024 * 1024;

QString unescapeValue(QStringView raw)
{
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c != QLatin1Char('\\') || i + 1 == raw.size()) {
            out += c;
            continue;
        }
        switch (raw.at(++i).unicode()) {
        case 's': out += QLatin1Char(' '); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 't': out += QLatin1Char('\t'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case '\\': out += QLatin1Char('\\'); break;
        default:  // list separators (\;) and unknown escapes stay as written
            out += c;
            out += raw.at(i);
        }
    }
    return out;
}

QString escapeValue(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\t': out += QLatin1String("\\t"); break;
        case '\r': out += QLatin1String("\\r"); break;
        default: out += c;
        }
    }
    if (out.startsWith(QLatin1Char(' ')))
        out.replace(0, 1, QLatin1String("\\s"));
    return out;
}

// Characters that force quoting of an Exec argument.
bool isReserved(QChar c)
{
    return QStringView(u" \t\n\"'\\><~|&;$*?#()`").contains(c);
}

bool isEnvAssignment(const QString &arg)
{
    const qsizetype eq = arg.indexOf(QLatin1Char('='));
    return eq > 0 && !arg.left(eq).contains(QLatin1Char('/'));
}

}  // namespace

std::optional<DesktopEntry> DesktopEntry::load(const QString &path)
{
    const std::optional<QByteArray> text = readRegularFile(path, kMaxFileBytes);
    return text ? parse(*text) : std::nullopt;
}

std::optional<DesktopEntry> DesktopEntry::parse(const QByteArray &text)
{
    DesktopEntry entry;
    bool inGroup = false, sawGroup = false;
    for (const QByteArray &line : text.split('\n')) {
        const QString l = QString::fromUtf8(line).trimmed();
        if (l.isEmpty() || l.startsWith(QLatin1Char('#')))
            continue;
        if (l.startsWith(QLatin1Char('[')) && l.endsWith(QLatin1Char(']'))) {
            inGroup = l == QLatin1String("[Desktop Entry]");
            sawGroup = sawGroup || inGroup;
            continue;
        }
        const qsizetype eq = l.indexOf(QLatin1Char('='));
        if (!inGroup || eq <= 0)
            continue;
        entry.setValue(l.left(eq).trimmed(), unescapeValue(QStringView(l).mid(eq + 1).trimmed()));
    }
    if (!sawGroup)
        return std::nullopt;
    return entry;
}

QString DesktopEntry::value(const QString &key) const
{
    for (const auto &[k, v] : m_values)
        if (k == key)
            return v;
    return QString();
}

QString DesktopEntry::localizedValue(const QString &key, const QString &locale) const
{
    const QString localized = key + QLatin1Char('[') + locale + QLatin1Char(']');
    return contains(localized) ? value(localized) : value(key);
}

QString DesktopEntry::localizedValue(const QString &key) const
{
    for (const QString &locale : userLocales()) {
        // lang_COUNTRY.CODESET@MODIFIER, tried from the most specific form down.
        const QString modifier = locale.section(QLatin1Char('@'), 1);
        const QString langCountry = locale.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
        const QString lang = langCountry.section(QLatin1Char('_'), 0, 0);
        QStringList forms;
        if (!modifier.isEmpty())
            forms << langCountry + QLatin1Char('@') + modifier;
        forms << langCountry;
        if (!modifier.isEmpty())
            forms << lang + QLatin1Char('@') + modifier;
        forms << lang;
        for (const QString &form : std::as_const(forms))
            if (const QString localized = key + QLatin1Char('[') + form + QLatin1Char(']'); contains(localized))
                return value(localized);
    }
    return value(key);
}

QStringList DesktopEntry::userLocales()
{
    // LANGUAGE replaces the locale rather than adding to it: LANGUAGE=en
    // with LANG=de_DE (English texts, German formats) wants English names.
    QStringList locales = qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (!locales.isEmpty())
            break;
        if (const QString locale = qEnvironmentVariable(variable); !locale.isEmpty())
            locales.append(locale);
    }
    locales.removeIf([](const QString &locale) {
        const QString base = locale.section(QLatin1Char('.'), 0, 0);
        return base.isEmpty() || base == QLatin1String("C") || base == QLatin1String("POSIX");
    });
    return locales;
}

bool DesktopEntry::contains(const QString &key) const
{
    for (const auto &pair : m_values)
        if (pair.first == key)
            return true;
    return false;
}

bool DesktopEntry::boolValue(const QString &key) const
{
    const QString v = value(key);
    return v == QLatin1String("true") || v == QLatin1String("1");
}

void DesktopEntry::setValue(const QString &key, const QString &value)
{
    for (auto &pair : m_values) {
        if (pair.first == key) {
            pair.second = value;
            return;
        }
    }
    m_values.append({key, value});
}

QStringList DesktopEntry::splitExec(const QString &exec)
{
    QStringList args;
    QString current;
    bool quoted = false, sawQuote = false, onlyFieldCode = false;
    // An argument that was only a field code ("%U") disappears; "" stays as an empty one.
    const auto flush = [&] {
        if (!current.isEmpty() || (sawQuote && !onlyFieldCode))
            args.append(current);
        current.clear();
        sawQuote = onlyFieldCode = false;
    };
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (c == QLatin1Char('\\') && i + 1 < exec.size()) {
            current += exec.at(++i);
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
            sawQuote = true;
        } else if (!quoted && (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'))) {
            flush();
        } else if (c == QLatin1Char('%') && i + 1 < exec.size()) {
            const QChar code = exec.at(++i);
            if (code == QLatin1Char('%'))
                current += code;
            else
                onlyFieldCode = current.isEmpty();
        } else {
            current += c;
        }
    }
    flush();
    return args;
}

QStringList DesktopEntry::execArguments() const
{
    return splitExec(exec());
}

QString DesktopEntry::program() const
{
    const QStringList args = execArguments();
    qsizetype i = 0;
    if (!args.isEmpty() && QFileInfo(args.first()).fileName() == QLatin1String("env")) {
        // env [-i] [-u NAME] [VAR=value ...] program
        for (i = 1; i < args.size(); ++i) {
            const QString &a = args.at(i);
            if (a == QLatin1String("-u") || a == QLatin1String("--unset"))
                ++i;
            else if (!a.startsWith(QLatin1Char('-')) && !isEnvAssignment(a))
                break;
        }
    }
    return i < args.size() ? args.at(i) : QString();
}

QString DesktopEntry::resolvedProgram() const
{
    const QString prog = program();
    if (prog.isEmpty())
        return QString();
    if (prog.startsWith(QLatin1Char('/'))) {
        const QFileInfo info(prog);
        return info.isFile() && info.isExecutable() ? prog : QString();
    }
    if (prog.contains(QLatin1Char('/')))
        return QString();  // relative to an unknown working folder
    return QStandardPaths::findExecutable(prog);
}

QString DesktopEntry::execForProgram(const QString &path)
{
    QString escaped = path;
    escaped.replace(QLatin1Char('%'), QLatin1String("%%"));
    if (std::none_of(path.cbegin(), path.cend(), isReserved))
        return escaped;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : std::as_const(escaped)) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

QByteArray DesktopEntry::toText() const
{
    QByteArray text = "[Desktop Entry]\n";
    for (const auto &[key, value] : m_values)
        text += key.toUtf8() + '=' + escapeValue(value).toUtf8() + '\n';
    return text;
}

bool DesktopEntry::save(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(toText());
    return file.commit();
}

}  // namespace sw
