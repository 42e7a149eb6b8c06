// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliPassword.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CliPassword)
};

constexpr int kPollMs = 100;              // how soon a cancel is noticed while waiting
constexpr qsizetype kMaxLine = 64 * 1024;  // a password, not a file

QString withoutLineEnd(QByteArray line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromLocal8Bit(line);
}

// One line from fd, a byte at a time so nothing after it is consumed.
// nullopt on cancel, or at the end of the input before any byte.
std::optional<QByteArray> readLine(int fd, const sw::JobControl &job)
{
    QByteArray line;
    pollfd waiting{fd, POLLIN, 0};
    while (line.size() < kMaxLine) {
        if (job.isCancelled())
            return std::nullopt;
        const int ready = ::poll(&waiting, 1, kPollMs);
        if (ready < 0 && errno != EINTR)
            break;
        if (ready <= 0)
            continue;
        char c = 0;
        const ssize_t n = ::read(fd, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        line.append(c);
        if (c == '\n')
            return line;
    }
    if (line.isEmpty())
        return std::nullopt;
    return line;
}

// Echo off for as long as it lives; the newline is still echoed so the
// next output starts on a line of its own.
class EchoOff
{
public:
    explicit EchoOff(int fd) : m_fd(fd)
    {
        m_saved = ::tcgetattr(fd, &m_previous) == 0;
        if (!m_saved)
            return;
        termios quiet = m_previous;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        quiet.c_lflag |= ECHONL;
        ::tcsetattr(fd, TCSAFLUSH, &quiet);
    }
    ~EchoOff()
    {
        if (m_saved)
            ::tcsetattr(m_fd, TCSANOW, &m_previous);
    }
    EchoOff(const EchoOff &) = delete;
    EchoOff &operator=(const EchoOff &) = delete;

private:
    int m_fd;
    termios m_previous{};
    bool m_saved = false;
};

}  // namespace

namespace clipassword {

std::optional<QString> firstLineOfFile(const QString &path, QString &problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = Text::tr("cannot read the password file %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return withoutLineEnd(file.readLine(kMaxLine));
}

std::optional<QString> firstLineOfStdin(const sw::JobControl &job)
{
    const std::optional<QByteArray> line = readLine(STDIN_FILENO, job);
    if (!line)
        return std::nullopt;
    return withoutLineEnd(*line);
}

bool canAsk()
{
    return ::isatty(STDIN_FILENO) == 1;
}

std::optional<QString> askOnTerminal(const QString &question, const sw::JobControl &job)
{
    // The question goes to the terminal itself: standard error may be a log.
    const int tty = ::open("/dev/tty", O_WRONLY | O_CLOEXEC | O_NOCTTY);
    const int out = tty >= 0 ? tty : STDERR_FILENO;
    const QByteArray text = question.toLocal8Bit();
    [[maybe_unused]] ssize_t n = ::write(out, text.constData(), size_t(text.size()));
    std::optional<QByteArray> line;
    {
        EchoOff quiet(STDIN_FILENO);
        line = readLine(STDIN_FILENO, job);
    }
    if (!line || !line->endsWith('\n'))
        n = ::write(out, "\n", 1);  // Ctrl-C or Ctrl-D left the cursor after the question
    if (tty >= 0)
        ::close(tty);
    if (!line)
        return std::nullopt;
    return withoutLineEnd(*line);
}

}  // namespace clipassword
