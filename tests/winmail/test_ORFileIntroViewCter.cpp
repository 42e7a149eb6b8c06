// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchiveFixture.h"
#include "core/foundation/ORNotificationCenter.h"
#include "gui/shell/BusyCircleSlot.h"
#include "gui/shell/PageNumber.h"
#include "gui/winmail/FileNotifications.h"
#include "gui/winmail/ORFileDropView.h"
#include "gui/winmail/ORFileIntroViewCter.h"
#include "gui/winmail/PasswordPanel.h"
#include "support/LoopingArchives.h"
#include "support/PageFixture.h"

#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <optional>

namespace {

// Drags the paths onto the view and drops them; answers whether the drop was taken.
bool dropPaths(QWidget *view, const QStringList &paths)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(view, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    drop.ignore();
    QCoreApplication::sendEvent(view, &drop);
    return enter.isAccepted() && drop.isAccepted();
}

// Answers the password panel each time it waits, with the next of the
// answers (a password, or Cancel for nullopt), and notes what it showed.
// The panel runs its own event loop, so the answers come from a timer
// that fires inside it.
class PasswordAnswers : public QObject
{
public:
    explicit PasswordAnswers(QList<std::optional<QString>> answers) : m_answers(std::move(answers))
    {
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, timer] {
            auto *panel = qobject_cast<PasswordPanel *>(QApplication::activeModalWidget());
            if (!panel || !panel->isWaiting() || m_answers.isEmpty())
                return;
            if (!panels.contains(panel))
                panel->installEventFilter(this);
            panels << panel;
            problems << panel->problemField()->text();
            const std::optional<QString> answer = m_answers.takeFirst();
            if (m_answers.isEmpty())
                timer->stop();
            if (answer) {
                panel->passwordField()->setText(*answer);
                panel->buttons()->button(QDialogButtonBox::Ok)->click();
            } else {
                panel->buttons()->button(QDialogButtonBox::Cancel)->click();
            }
        });
        timer->start(20);
    }
    QList<PasswordPanel *> panels;  // the panel of each answer
    QStringList problems;           // what it said under the field then
    int hidden = 0;                 // times a panel went out of sight

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            ++hidden;
        return QObject::eventFilter(watched, event);
    }

private:
    QList<std::optional<QString>> m_answers;
};

}  // namespace

class TestORFileIntroViewCter : public QObject
{
    Q_OBJECT

private slots:
    void dropRefusalRules_data();
    void dropRefusalRules();
    void twoZipsDroppedExtractTheFirst();
    void passwordPanel_data();
    void passwordPanel();
    void anUnusableTmpdirIsNamedOnThePage();
    void cancelReachesAReaderStuckInALoop();
};

void TestORFileIntroViewCter::dropRefusalRules_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("zip with a txt") << QStringList{"a.zip", "notes.txt"} << false;
    QTest::newRow("eml") << QStringList{"message.eml"} << false;
    QTest::newRow("no extension") << QStringList{"archive"} << false;
    QTest::newRow("upper-case ZIP") << QStringList{"PHOTOS.ZIP"} << true;
    QTest::newRow("two zips") << QStringList{"a.zip", "b.zip"} << true;
    QTest::newRow("winmail.dat and a tar.gz") << QStringList{"winmail.dat", "src.tar.gz"} << true;
}

void TestORFileIntroViewCter::dropRefusalRules()
{
    QFETCH(QStringList, names);
    QFETCH(bool, accepted);
    QTemporaryDir dir;
    QStringList paths;
    for (const QString &name : names)
        paths << dir.filePath(name);
    ORFileDropView view;
    QObject observer;
    QList<QStringList> posted;
    ORNotificationCenter::defaultCenter().addObserver(&observer, sw::filenote::kDrop,
                                                      [&posted](const QVariant &v) { posted << v.toStringList(); });
    QCOMPARE(dropPaths(&view, paths), accepted);
    QCoreApplication::processEvents();
    QCOMPARE(posted, accepted ? QList<QStringList>{paths} : QList<QStringList>{});
}

void TestORFileIntroViewCter::twoZipsDroppedExtractTheFirst()
{
    ArchiveFixture fixture;
    const QString first = fixture.zip(QStringLiteral("first.zip"), {{QStringLiteral("alpha.txt"), "alpha"},
                                                                    {QStringLiteral("more/beta.txt"), "beta"}});
    const QString second = fixture.zip(QStringLiteral("second.zip"), {{QStringLiteral("gamma.txt"), "gamma"}});
    RecordingDelegate delegate;
    ORFileIntroViewCter page(&delegate);
    int results = 0;
    ORNotificationCenter::defaultCenter().addObserver(&page, sw::filenote::kGet, [&results](const QVariant &) {
        ++results;
    });

    QVERIFY(dropPaths(page.briefView(), {first, second}));
    QTRY_VERIFY(page.isExtracting() || !delegate.pages.isEmpty());
    QTRY_COMPARE(delegate.pages, QList<qint64>{sw::ArchivesResultPage});
    QVERIFY(delegate.sidebarEnabled);
    QCOMPARE(results, 1);
    QVERIFY(page.passwordErrorField()->text().isEmpty());
    const auto data = ORFileDataCollection::shareInstance().fileData();
    QVERIFY(data);
    QStringList names;
    for (const ORFileItem &item : data->fileGroups)
        names << QFileInfo(item.filePath).fileName();
    names.sort();
    QCOMPARE(names, (QStringList{"alpha.txt", "more"}));
}

void TestORFileIntroViewCter::passwordPanel_data()
{
    QTest::addColumn<QStringList>("answers");  // empty: Cancel
    QTest::addColumn<bool>("extracted");
    QTest::newRow("right") << QStringList{"s3cret"} << true;
    QTest::newRow("wrong, then right") << QStringList{"guess", "s3cret"} << true;
    QTest::newRow("wrong twice, then cancel") << QStringList{"guess", "guess", ""} << false;
    QTest::newRow("cancel") << QStringList{""} << false;
}

// A wrong password dropped the page back to its start with an error: now
// the panel stays up, says "Wrong password", and takes another or Cancel.
void TestORFileIntroViewCter::passwordPanel()
{
    QFETCH(QStringList, answers);
    QFETCH(bool, extracted);
    ArchiveFixture fixture;
    const QString locked = fixture.zip(QStringLiteral("locked.zip"), {{QStringLiteral("secret.txt"), "top secret"}},
                                       QStringLiteral("s3cret"));
    RecordingDelegate delegate;
    ORFileIntroViewCter page(&delegate);
    page.resize(1100, 720);
    page.show();

    QList<std::optional<QString>> given;
    QStringList shown;
    for (const QString &answer : answers) {
        given << (answer.isEmpty() ? std::nullopt : std::optional<QString>(answer));
        shown << (shown.isEmpty() ? QString() : QStringLiteral("Wrong password"));
    }
    PasswordAnswers panel(given);
    page.gotoNext({locked});
    QVERIFY(!delegate.sidebarEnabled);
    QTRY_VERIFY(!page.isExtracting());
    QCOMPARE(panel.problems, shown);
    // One panel all along, out of sight only at the end.
    QCOMPARE(QSet<PasswordPanel *>(panel.panels.cbegin(), panel.panels.cend()).size(), 1);
    QCOMPARE(panel.hidden, 1);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(delegate.sidebarEnabled);
    QVERIFY(page.passwordErrorField()->text().isEmpty());
    QCOMPARE(delegate.pages, extracted ? QList<qint64>{sw::ArchivesResultPage} : QList<qint64>{});
    QVERIFY(!page.circleSlot()->circleView());
    if (!extracted) {
        QVERIFY(page.briefView()->isVisible());
        return;
    }
    const auto data = ORFileDataCollection::shareInstance().fileData();
    QVERIFY(data && data->fileGroups.size() == 1);
    QFile secret(data->fileGroups.first().filePath);
    QVERIFY(secret.open(QIODevice::ReadOnly));
    QCOMPARE(secret.readAll(), QByteArray("top secret"));
    // Opened anew from the sidebar, the page shows no result: its files go.
    page.or_Status(sw::PageIdle);
    QCOMPARE(QDir(fixture.path(QStringLiteral("tmp"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
}

// TMPDIR naming a folder that does not exist sent the extraction into the
// current folder; now the page says what is wrong with it.
void TestORFileIntroViewCter::anUnusableTmpdirIsNamedOnThePage()
{
    ArchiveFixture fixture;
    const QString zip = fixture.zip(QStringLiteral("a.zip"), {{QStringLiteral("alpha.txt"), "alpha"}});
    const QString missing = fixture.path(QStringLiteral("no-such-folder"));
    qputenv("TMPDIR", QFile::encodeName(missing));
    RecordingDelegate delegate;
    ORFileIntroViewCter page(&delegate);
    page.gotoNext({zip});
    QTRY_VERIFY(!page.isExtracting());
    QVERIFY(delegate.sidebarEnabled);
    QCOMPARE(delegate.pages, QList<qint64>{});
    QVERIFY2(page.passwordErrorField()->text().contains(QStringLiteral("TMPDIR (%1)").arg(missing)),
             qPrintable(page.passwordErrorField()->text()));
    QVERIFY(!QFileInfo::exists(missing));
}

// An archive the reader loops on kept the page busy for ever: its Cancel
// reached the extraction only between entries.
void TestORFileIntroViewCter::cancelReachesAReaderStuckInALoop()
{
    ArchiveFixture fixture;
    const QString iso = swtest::LoopingArchives(fixture.path(QString())).iso();
    QVERIFY(!iso.isEmpty());
    RecordingDelegate delegate;
    ORFileIntroViewCter page(&delegate);
    page.resize(1100, 720);
    page.show();
    page.gotoNext({iso});
    QTest::qWait(300);
    QVERIFY(page.isExtracting());
    QElapsedTimer clock;
    clock.start();
    page.findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(!page.isExtracting(), 5000);
    QVERIFY(clock.elapsed() < 5000);
    QVERIFY(delegate.sidebarEnabled);
    QCOMPARE(delegate.pages, QList<qint64>{});
    QVERIFY(page.briefView()->isVisible());
    QCOMPARE(QDir(fixture.path(QStringLiteral("tmp"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

QTEST_MAIN(TestORFileIntroViewCter)
#include "test_ORFileIntroViewCter.moc"
