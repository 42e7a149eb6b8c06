// The status line of sweepwright-cli: written only to a terminal, fitted to
// its width, erased at the end.

#include "FixtureTree.h"
#include "ProgressLine.h"

#include "ORNotificationCenter.h"

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

void post(const char *name, const QVariant &object)
{
    ORNotificationCenter::defaultCenter().postNotification(QString::fromLatin1(name), object);
}

TEST(ProgressLine, StaysSilentWhenNotATerminal)
{
    FILE *file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    {
        ProgressLine line(file, QStringLiteral("junktitle"), QStringLiteral("junksize"));
        EXPECT_FALSE(line.isEnabled());
        post("junksize", 4096);
        line.setPhase(QStringLiteral("Removing"));
    }
    EXPECT_EQ(std::ftell(file), 0);
    std::fclose(file);
}

// The first update is shown at once; later ones at most ten times a second.
TEST(ProgressLine, ShowsThePathBeingMeasuredThenErasesItself)
{
    Terminal terminal(120);
    ASSERT_NE(terminal.stream(), nullptr);
    {
        ProgressLine line(terminal.stream(), QStringLiteral("junktitle"), QStringLiteral("junksize"));
        ASSERT_TRUE(line.isEnabled());
        post("junktitle", QStringLiteral("/home/u/.cache/fontconfig"));
        EXPECT_EQ(terminal.drain(), QByteArray("\rScanning  0 B  /home/u/.cache/fontconfig\033[K"));
    }
    EXPECT_EQ(terminal.drain(), QByteArray("\r\033[K"));
}

TEST(ProgressLine, ShowsTheSizeFoundAndKeepsItAcrossPhases)
{
    Terminal terminal(120);
    ASSERT_NE(terminal.stream(), nullptr);
    ProgressLine line(terminal.stream(), QStringLiteral("junktitle"), QStringLiteral("junksize"));
    post("junksize", 2048);
    EXPECT_EQ(terminal.drain(), QByteArray("\rScanning  2.00 KB\033[K"));
    line.setPhase(QStringLiteral("Removing"));
    EXPECT_EQ(terminal.drain(), QByteArray("\rRemoving  2.00 KB\033[K"));
}

TEST(ProgressLine, LongPathKeepsItsEndWithinTheWidth)
{
    Terminal terminal(40);
    ASSERT_NE(terminal.stream(), nullptr);
    ProgressLine line(terminal.stream(), QStringLiteral("junktitle"), QStringLiteral("junksize"));
    post("junktitle", QStringLiteral("/home/u/") + QString(80, QLatin1Char('d')) + QStringLiteral("/last-name.bin"));
    QByteArray shown = terminal.drain();
    ASSERT_TRUE(shown.startsWith('\r') && shown.endsWith("\033[K")) << shown.toStdString();
    shown = shown.mid(1, shown.size() - 4);
    EXPECT_LE(shown.size(), 39) << shown.toStdString();
    EXPECT_TRUE(shown.startsWith("Scanning  0 B  ...d")) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith("d/last-name.bin")) << shown.toStdString();
}

// The duplicate finder reports its size as [bytes, groups].
TEST(ProgressLine, TakesTheBytesOfASizeGivenAsAList)
{
    Terminal terminal(120);
    ASSERT_NE(terminal.stream(), nullptr);
    ProgressLine line(terminal.stream(), QStringLiteral("dupicon"), QStringLiteral("duplicatesize"));
    post("junksize", 999);
    EXPECT_EQ(terminal.drain(), QByteArray());
    post("duplicatesize", QVariantList{qint64(3072), qint64(2)});
    EXPECT_EQ(terminal.drain(), QByteArray("\rScanning  3.00 KB\033[K"));
}

}  // namespace
