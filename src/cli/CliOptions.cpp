#include "CliOptions.h"

CliOptions::CliOptions(const QStringList &flags, const QStringList &valued)
    : m_flags(flags.cbegin(), flags.cend())
    , m_valued(valued.cbegin(), valued.cend())
{
}

std::optional<QString> CliOptions::parse(const QStringList &args)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (!arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            m_positional.append(arg);
            continue;
        }
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? arg : arg.left(eq);
        if (m_flags.contains(name)) {
            if (eq >= 0)
                return QStringLiteral("%1 takes no value").arg(name);
            m_setFlags.insert(name);
        } else if (m_valued.contains(name)) {
            if (eq < 0 && i + 1 >= args.size())
                return QStringLiteral("%1 needs a value").arg(name);
            const QString value = eq < 0 ? args.at(++i) : arg.mid(eq + 1);
            // An empty value is a mistake (an unset shell variable), never a
            // request for the default: `--home "$H"` must not mean the real home.
            if (value.isEmpty())
                return QStringLiteral("%1 needs a value").arg(name);
            m_values[name].append(value);
        } else {
            return QStringLiteral("unknown option %1").arg(name);
        }
    }
    return std::nullopt;
}
