// SPDX-License-Identifier: GPL-3.0-or-later
// The status line of sweepwright-cli: a running job's progress, written only
// to a terminal, fitted to its width, erased at the end.

#include "cli/ProgressLine.h"
#include "core/foundation/Translations.h"
#include "support/FixtureTree.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// A pseudo-terminal: the line is written to its follower end and read back
// from the leader.
class Terminal
{
public:
    explicit Terminal(unsigned short columns)
    {
        winsize size{};
        size.ws_col = columns;
        size.ws_row = 24;
        if (::openpty(&m_leader, &m_follower, nullptr, nullptr, &size) != 0)
            return;
        ::fcntl(m_leader, F_SETFL, O_NONBLOCK);
        m_stream = ::fdopen(m_follower, "w");
    }
    ~Terminal()
    {
        if (m_stream)
            std::fclose(m_stream);
        if (m_leader >= 0)
            ::close(m_leader);
    }
    FILE *stream() const { return m_stream; }
    QByteArray drain() const
    {
        QByteArray out;
        char buffer[4096];
        ssize_t n;
        while ((n = ::read(m_leader, buffer, sizeof buffer)) > 0)
            out.append(buffer, n);
        return out;
    }

private:
    int m_leader = -1;
    int m_follower = -1;
    FILE *m_stream = nullptr;
};

// TERM as a test needs it, restored afterwards; empty unsets it.
class ScopedTerm
{
public:
    explicit ScopedTerm(const char *value) : m_old(qgetenv("TERM")), m_wasSet(qEnvironmentVariableIsSet("TERM"))
    {
        if (*value)
            qputenv("TERM", value);
        else
            qunsetenv("TERM");
    }
    ~ScopedTerm()
    {
        if (m_wasSet)
            qputenv("TERM", m_old);
        else
            qunsetenv("TERM");
    }

private:
    QByteArray m_old;
    bool m_wasSet;
};

TEST(ProgressLine, StaysSilentWhenNotATerminal)
{
    FILE *file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    {
        sw::JobControl job;
        ProgressLine line(file, job, QStringLiteral("Removing"));
        EXPECT_FALSE(line.isEnabled());
        job.addBytes(4096);
        line.update();
    }
    EXPECT_EQ(std::ftell(file), 0);
    std::fclose(file);
}

// A terminal that shows escape codes as text (Emacs' shell, a serial
// console) or names no kind gets no line at all.
TEST(ProgressLine, StaysSilentOnADumbTerminal)
{
    for (const char *term : {"dumb", ""}) {
        const ScopedTerm scoped(term);
        Terminal terminal(80);
        ASSERT_NE(terminal.stream(), nullptr);
        {
            sw::JobControl job;
            ProgressLine line(terminal.stream(), job, QStringLiteral("Scanning"));
            EXPECT_FALSE(line.isEnabled()) << term;
            job.addBytes(4096);
            line.update();
        }
        EXPECT_EQ(terminal.drain(), QByteArray()) << term;
    }
}

TEST(ProgressLine, ShowsItemsSizeAndPathThenErasesItself)
{
    const ScopedTerm term("xterm");
    swtest::ensureCoreApplication();
    sw::Translations::install();
    Terminal terminal(120);
    ASSERT_NE(terminal.stream(), nullptr);
    {
        sw::JobControl job;
        ProgressLine line(terminal.stream(), job, QStringLiteral("Scanning"));
        ASSERT_TRUE(line.isEnabled());
        job.addItems(1);
        job.addBytes(2048);
        job.setCurrentPath(QStringLiteral("/home/u/.cache/fontconfig"));
        line.update();
        EXPECT_EQ(terminal.drain(), QByteArray("\rScanning  1 item  2.05 kB  /home/u/.cache/fontconfig\033[K"));
    }
    EXPECT_EQ(terminal.drain(), QByteArray("\r\033[K"));
}

TEST(ProgressLine, LongPathKeepsItsEndWithinTheWidth)
{
    const ScopedTerm term("xterm");
    swtest::ensureCoreApplication();
    sw::Translations::install();
    Terminal terminal(60);
    ASSERT_NE(terminal.stream(), nullptr);
    sw::JobControl job;
    ProgressLine line(terminal.stream(), job, QStringLiteral("Scanning"));
    job.setCurrentPath(QStringLiteral("/home/u/") + QString(80, QLatin1Char('d')) + QStringLiteral("/last-name.bin"));
    line.update();
    QByteArray shown = terminal.drain();
    ASSERT_TRUE(shown.startsWith('\r') && shown.endsWith("\033[K")) << shown.toStdString();
    shown = shown.mid(1, shown.size() - 4);
    EXPECT_LE(shown.size(), 59) << shown.toStdString();
    EXPECT_TRUE(shown.startsWith("Scanning  0 items  0 B  ...d")) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith("d/last-name.bin")) << shown.toStdString();
}

}  // namespace
