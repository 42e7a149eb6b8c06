// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/ORLayout.h"

#include "core/platform/LogCategory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QProcessEnvironment>

#include <atomic>
#include <optional>

#include <pwd.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcLayout, "sweepwright.layout", sw::logThreshold(QtInfoMsg))

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ORLayout)
};

struct LayoutState
{
    ORLayout::Kind kind = ORLayout::Kind::Freedesktop;
    QString root;  // empty: "/"
    QString home;  // empty: the real home
};

LayoutState &state()
{
    static LayoutState s;
    return s;
}

QString cleanDir(const QString &path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

std::optional<ORLayout::Kind> kindFromName(const QString &name)
{
    if (name == QLatin1String("freedesktop"))
        return ORLayout::Kind::Freedesktop;
    if (name == QLatin1String("macos"))
        return ORLayout::Kind::MacOS;
    return std::nullopt;
}

QString join(const QString &base, const QString &rel)
{
    if (rel.isEmpty())
        return base;
    if (base.endsWith(QLatin1Char('/')))
        return base + (rel.startsWith(QLatin1Char('/')) ? rel.mid(1) : rel);
    return base + (rel.startsWith(QLatin1Char('/')) ? rel : QLatin1Char('/') + rel);
}

// A configured folder whose contents the tools may list and clear: never the
// root, the home or a folder that holds the home. XDG_CACHE_HOME=/ or
// XDG_DOWNLOAD_DIR="$HOME/.." would otherwise offer whole homes as junk.
bool isUsableFolder(const QString &clean)
{
    const QString home = QDir::cleanPath(ORLayout::home());
    return clean.startsWith(QLatin1Char('/')) && clean != QLatin1String("/")
           && clean != QDir::cleanPath(ORLayout::root()) && clean != home
           && !home.startsWith(clean + QLatin1Char('/'));
}

QString xdgBase(const char *variable, const QString &fallbackRel)
{
    if (!ORLayout::homeOverridden()) {
        const QString value = QDir::cleanPath(qEnvironmentVariable(variable));
        if (isUsableFolder(value))
            return value;
    }
    return ORLayout::homePath(fallbackRel);
}

}  // namespace

QString ORLayout::configure(const QStringList &args)
{
    QString layoutName = qEnvironmentVariable("SWEEPWRIGHT_LAYOUT");
    QString root = qEnvironmentVariable("SWEEPWRIGHT_ROOT");
    QString home = qEnvironmentVariable("SWEEPWRIGHT_HOME");
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        auto take = [&](const QString &opt, QString &out) {
            if (a == opt && i + 1 < args.size()) {
                out = args.at(++i);
                return true;
            }
            if (a.startsWith(opt + QLatin1Char('='))) {
                out = a.mid(opt.size() + 1);
                return true;
            }
            return false;
        };
        if (take(QStringLiteral("--layout"), layoutName) || take(QStringLiteral("--root"), root)
            || take(QStringLiteral("--home"), home))
            continue;
    }
    Kind kind = Kind::Freedesktop;
    if (!layoutName.isEmpty()) {
        const auto parsed = kindFromName(layoutName);
        if (!parsed)
            return Text::tr("unknown layout \"%1\" (use freedesktop or macos)").arg(layoutName);
        kind = *parsed;
    }
    set(kind, root, home);
    if (home.isEmpty() && realHome().isEmpty())
        return Text::tr("no home folder: user %1 has no password entry and $HOME is not set (give --home)")
            .arg(::getuid());
    return QString();
}

void ORLayout::set(Kind kind, const QString &root, const QString &home)
{
    LayoutState &s = state();
    s.kind = kind;
    s.root = root.isEmpty() ? QString() : cleanDir(root);
    s.home = home.isEmpty() ? QString() : cleanDir(home);
}

void ORLayout::reset()
{
    state() = LayoutState();
}

ORLayout::Kind ORLayout::kind()
{
    return state().kind;
}

QString ORLayout::kindName()
{
    return isMacOS() ? QStringLiteral("macos") : QStringLiteral("freedesktop");
}

QString ORLayout::root()
{
    return state().root.isEmpty() ? QStringLiteral("/") : state().root;
}

QString ORLayout::home()
{
    if (!state().home.isEmpty())
        return state().home;
    // Without any home, a folder that holds nothing, never "" (paths would start at /).
    const QString real = realHome();
    return real.isEmpty() ? QStringLiteral("/nonexistent") : real;
}

QString ORLayout::realHome()
{
    if (const struct passwd *pw = ::getpwuid(::getuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/')
        return QDir::cleanPath(QFile::decodeName(pw->pw_dir));
    // A uid without an entry (a container, a user mapped in by uid only):
    // the environment's home is all there is, and the user is told so once.
    const QString home = qEnvironmentVariable("HOME");
    const bool usable = QDir::isAbsolutePath(home) && QDir::cleanPath(home) != QLatin1String("/");
    static std::atomic_bool told{false};
    if (!told.exchange(true)) {
        if (usable)
            qCWarning(lcLayout).noquote()
                << QStringLiteral("user %1 has no password entry: using $HOME (%2)").arg(::getuid()).arg(home);
        else
            qCWarning(lcLayout).noquote()
                << QStringLiteral("user %1 has no password entry and $HOME is not set").arg(::getuid());
    }
    return usable ? QDir::cleanPath(home) : QString();
}

bool ORLayout::homeOverridden()
{
    return !state().home.isEmpty();
}

QString ORLayout::rootPath(const QString &rel)
{
    return join(root(), rel);
}

QString ORLayout::homePath(const QString &rel)
{
    return join(home(), rel);
}

QString ORLayout::cacheHome()
{
    return xdgBase("XDG_CACHE_HOME", QStringLiteral(".cache"));
}

QString ORLayout::configHome()
{
    return xdgBase("XDG_CONFIG_HOME", QStringLiteral(".config"));
}

QString ORLayout::dataHome()
{
    return xdgBase("XDG_DATA_HOME", QStringLiteral(".local/share"));
}

QString ORLayout::stateHome()
{
    return xdgBase("XDG_STATE_HOME", QStringLiteral(".local/state"));
}

QString ORLayout::userDir(const QString &key, const QString &fallback)
{
    // user-dirs.dirs lines look like: XDG_DOWNLOAD_DIR="$HOME/Downloads"
    QFile file(configHome() + QStringLiteral("/user-dirs.dirs"));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QString wanted = QStringLiteral("XDG_%1_DIR").arg(key);
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (line.startsWith(QLatin1Char('#')))
                continue;
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq < 0 || line.left(eq).trimmed() != wanted)
                continue;
            QString value = line.mid(eq + 1).trimmed();
            if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
                value = value.mid(1, value.size() - 2);
            if (value.startsWith(QLatin1String("$HOME")))
                value = home() + value.mid(5);
            if (isUsableFolder(QDir::cleanPath(value)))
                return QDir::cleanPath(value);
        }
    }
    return homePath(fallback);
}

QString ORLayout::downloadDir()
{
    return isMacOS() ? homePath(QStringLiteral("Downloads")) : userDir(QStringLiteral("DOWNLOAD"), QStringLiteral("Downloads"));
}

QString ORLayout::trashDir()
{
    return isMacOS() ? homePath(QStringLiteral(".Trash")) : dataHome() + QStringLiteral("/Trash");
}

QString ORLayout::loginName()
{
    if (const passwd *pw = getpwuid(getuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

QString ORLayout::optionsHelp()
{
    return Text::tr(
        "  --layout L    where to look: freedesktop (default) or macos\n"
        "  --root R      the file-system root the layout's system folders are under (default /)\n"
        "  --home H      the home folder to look in (default: the real user's home)\n");
}
