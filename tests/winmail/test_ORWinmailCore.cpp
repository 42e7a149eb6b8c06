// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/ORWinmailCore.h"
#include "tnef/support/DecodeRun.h"
#include "tnef/support/TnefStreamBuilder.h"

#include <gtest/gtest.h>

using sw::Bytes;
using sw::TnefStreamBuilder;
using Names = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

class Bridge : public testing::Test {
protected:
    QUrl input(const Bytes &bytes) const
    {
        const fs::path path = m_tmp.path() / "winmail.dat";
        sw::writeFile(path, bytes);
        return QUrl::fromLocalFile(QString::fromStdString(path.string()));
    }
    fs::path dest() const { return m_tmp.path() / "winmail1234" / "nested"; }
    QUrl destUrl() const { return QUrl::fromLocalFile(QString::fromStdString(dest().string())); }
    bool extract(const QUrl &from, const QUrl &to)
    {
        sw::StdCapture quiet;
        return ORWinmailCore::extractWinmailDatFromPathWithURL(from, to);
    }

private:
    sw::TempDir m_tmp;
};

TEST_F(Bridge, DecodesIntoANewDirectoryWithTheBodies)
{
    TnefStreamBuilder s;
    s.textBody("hello").attachment("a.txt", sw::bytesOf("a"));
    s.messageProps(sw::MapiBlockBuilder().buffers(0x0102, 0x1013, {sw::bytesOf("<b>hi</b>")}).build());
    EXPECT_TRUE(extract(input(s.bytes()), destUrl()));
    EXPECT_EQ(sw::listDir(dest()), (Names{"MailBody.html", "MailBody.txt", "a.txt"}));
}

TEST_F(Bridge, NotATnefFileAnswersNoAndWritesNothing)
{
    EXPECT_FALSE(extract(input(sw::bytesOf("just some text")), destUrl()));
    EXPECT_TRUE(fs::is_empty(dest()));
}

TEST_F(Bridge, FatalDecodingErrorAnswersNoAndKeepsEarlierFiles)
{
    TnefStreamBuilder s;
    s.attachment("one.txt", sw::bytesOf("1")).attachment("two.txt", sw::bytesOf("2"));
    s.attributeWithChecksum(2, 6, 0x9002, {}, 0x0BAD);
    EXPECT_FALSE(extract(input(s.bytes()), destUrl()));
    EXPECT_EQ(sw::listDir(dest()), Names{"one.txt"});
}

TEST_F(Bridge, MissingSourceAnswersNo)
{
    EXPECT_FALSE(extract(QUrl::fromLocalFile("/nonexistent/winmail.dat"), destUrl()));
}

TEST_F(Bridge, NonFileUrlsAnswerNoWithoutCreatingAnything)
{
    const QUrl good = input(TnefStreamBuilder().attachment("a", {}).bytes());
    EXPECT_FALSE(extract(QUrl("https://example.invalid/winmail.dat"), destUrl()));
    EXPECT_FALSE(extract(good, QUrl("https://example.invalid/out")));
    EXPECT_FALSE(fs::exists(dest()));
}

} // namespace
