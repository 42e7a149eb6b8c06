// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOptions.h"

#include <QCoreApplication>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CliOptions)
};

}  // namespace

CliOptions::CliOptions(const QStringList &flags, const QStringList &valued)
    : m_flags(flags.cbegin(), flags.cend())
    , m_valued(valued.cbegin(), valued.cend())
{
}

void CliOptions::addFlags(const QStringList &flags)
{
    m_flags.unite(QSet<QString>(flags.cbegin(), flags.cend()));
}

void CliOptions::addValued(const QStringList &valued)
{
    m_valued.unite(QSet<QString>(valued.cbegin(), valued.cend()));
}

void CliOptions::addOptionalValued(const QString &name)
{
    m_optionalValued.insert(name);
}

void CliOptions::setMissingValueText(const QString &option, const QString &text)
{
    m_missingValueTexts.insert(option, text);
}

QString CliOptions::missingValue(const QString &name) const
{
    const auto text = m_missingValueTexts.constFind(name);
    return (text != m_missingValueTexts.cend() ? *text : Text::tr("%1 needs a value")).arg(name);
}

std::optional<QString> CliOptions::parse(const QStringList &args)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--")) {
            m_positional += args.mid(i + 1);
            break;
        }
        if (!arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            m_positional.append(arg);
            continue;
        }
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? arg : arg.left(eq);
        if (m_flags.contains(name)) {
            if (eq >= 0)
                return Text::tr("%1 takes no value").arg(name);
            m_setFlags.insert(name);
        } else if (m_optionalValued.contains(name)) {
            if (eq < 0)
                m_setFlags.insert(name);
            else
                m_values[name].append(arg.mid(eq + 1));
        } else if (m_valued.contains(name)) {
            if (eq < 0 && i + 1 >= args.size())
                return missingValue(name);
            const QString value = eq < 0 ? args.at(++i) : arg.mid(eq + 1);
            // An empty value is a mistake (an unset shell variable), never a
            // request for the default: `--home "$H"` must not mean the real home.
            if (value.isEmpty())
                return missingValue(name);
            m_values[name].append(value);
        } else {
            return Text::tr("unknown option %1").arg(name);
        }
    }
    return std::nullopt;
}
