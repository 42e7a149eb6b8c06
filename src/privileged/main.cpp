// SPDX-License-Identifier: GPL-3.0-or-later
// sweepwright-privileged: removes, as root, the items a removal run could not
// take with the user's own rights. Started through pkexec (polkit action
// org.sweepwright.Sweepwright.remove), one run per removal: it reads one
// request per line on standard input and answers each with one line on
// standard output (PrivilegedRequest, PrivilegedAnswer).
//
//   sweepwright-privileged [--layout freedesktop|macos] [--root DIR] [--home DIR]
//
// Started by pkexec (PKEXEC_UID set) it runs as root for that user: the
// layout's root is "/" and the home is that user's from the password
// database; --root, --home and the environment are not listened to. Started
// any other way it has only its caller's rights, and takes the layout as the
// programs do (the tests point it at fixture trees so).

#include "core/platform/ORLayout.h"
#include "core/platform/PrivilegedRoots.h"
#include "privileged/PrivilegedRemover.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A request is a few hundred bytes; a path of PATH_MAX bytes, percent-encoded,
// some twelve thousand. Anything longer is no request.
constexpr qsizetype kMaxLine = 64 * 1024;
constexpr qsizetype kMaxRequests = 1'000'000;

std::optional<QString> homeOf(const char *uidText)
{
    char *end = nullptr;
    const unsigned long uid = std::strtoul(uidText, &end, 10);
    if (!end || *end != '\0' || end == uidText)
        return std::nullopt;
    const passwd *entry = ::getpwuid(uid_t(uid));
    if (!entry || !entry->pw_dir || entry->pw_dir[0] != '/')
        return std::nullopt;
    return QFile::decodeName(entry->pw_dir);
}

// The layout this run works in; false when the arguments make no sense.
bool configureLayout(const QStringList &args)
{
    const char *caller = std::getenv("PKEXEC_UID");
    if (!caller)
        return ORLayout::configure(args).isEmpty();
    const qsizetype at = args.indexOf(QStringLiteral("--layout"));
    const QString kind = at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QStringLiteral("freedesktop");
    const std::optional<QString> home = homeOf(caller);
    if (!home || (kind != QLatin1String("freedesktop") && kind != QLatin1String("macos")))
        return false;
    ORLayout::set(kind == QLatin1String("macos") ? ORLayout::Kind::MacOS : ORLayout::Kind::Freedesktop,
                  QStringLiteral("/"), *home);
    return true;
}

void answer(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char *argv[])
{
    ::umask(077);
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QFile::decodeName(argv[i]));
    if (!configureLayout(args)) {
        std::fprintf(stderr, "sweepwright-privileged: unusable arguments or caller\n");
        return 2;
    }
    sw::PrivilegedRemover remover(sw::PrivilegedRoots::current(), ORLayout::home());
    std::vector<char> buffer(size_t(kMaxLine) + 2);
    for (qsizetype index = 0; index < kMaxRequests; ++index) {
        if (!std::fgets(buffer.data(), int(buffer.size()), stdin))
            break;
        QByteArray line(buffer.data());
        bool whole = line.endsWith('\n') || std::feof(stdin);
        // The rest of an overlong line is no request of its own.
        while (!line.endsWith('\n') && std::fgets(buffer.data(), int(buffer.size()), stdin)) {
            line = QByteArray(buffer.data());
            whole = false;
        }
        answer(remover.handle(index, whole ? line.trimmed() : QByteArray()).toLine());
    }
    return 0;
}
