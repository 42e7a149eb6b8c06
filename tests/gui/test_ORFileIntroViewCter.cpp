#include "ArchiveFixture.h"
#include "LoopingArchives.h"
#include "BusyCircleSlot.h"
#include "FileNotifications.h"
#include "ORFileDropView.h"
#include "ORFileIntroViewCter.h"
#include "ORNotificationCenter.h"
#include "PageFixture.h"
#include "PageNumber.h"
#include "PasswordPanel.h"

#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <optional>

namespace {

const QString kPasswordError = QStringLiteral("Unarchive error or password error, try again!");

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

// Answers the password panel the next time it is up: with a password, or
// with Cancel when there is none. The panel runs its own event loop, so
// the answer comes from a timer that fires inside it.
class PasswordAnswer : public QObject
{
public:
    explicit PasswordAnswer(std::optional<QString> password) : m_password(std::move(password))
    {
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, timer] {
            auto *panel = qobject_cast<PasswordPanel *>(QApplication::activeModalWidget());
            if (!panel || !panel->isVisible())
                return;
            timer->stop();
            ++asked;
            if (m_password) {
                panel->passwordField()->setText(*m_password);
                panel->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            } else {
                panel->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
            }
        });
        timer->start(20);
    }
    int asked = 0;

private:
    std::optional<QString> m_password;
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
    QTest::addColumn<QString>("password");  // empty: Cancel
    QTest::addColumn<QString>("error");
    QTest::newRow("right") << QStringLiteral("s3cret") << QString();
    QTest::newRow("wrong") << QStringLiteral("guess") << kPasswordError;
    QTest::newRow("cancel") << QString() << QString();
}

void TestORFileIntroViewCter::passwordPanel()
{
    QFETCH(QString, password);
    QFETCH(QString, error);
    ArchiveFixture fixture;
    const QString locked = fixture.zip(QStringLiteral("locked.zip"), {{QStringLiteral("secret.txt"), "top secret"}},
                                       QStringLiteral("s3cret"));
    RecordingDelegate delegate;
    ORFileIntroViewCter page(&delegate);
    page.resize(1100, 720);
    page.show();

    const bool extracted = password == QStringLiteral("s3cret");
    {
        PasswordAnswer answer(password.isEmpty() ? std::nullopt : std::optional<QString>(password));
        page.gotoNext({locked});
        QVERIFY(!delegate.sidebarEnabled);
        QTRY_VERIFY(!page.isExtracting());
        QCOMPARE(answer.asked, 1);
    }
    QVERIFY(delegate.sidebarEnabled);
    QCOMPARE(page.passwordErrorField()->text(), error);
    QCOMPARE(delegate.pages, extracted ? QList<qint64>{sw::ArchivesResultPage} : QList<qint64>{});
    QVERIFY(page.briefView()->isVisible());
    QVERIFY(!page.circleSlot()->circleView());
    if (extracted)
        return;

    // Idle again and ready for another try.
    PasswordAnswer retry(QStringLiteral("s3cret"));
    page.gotoNext({locked});
    QTRY_COMPARE(delegate.pages, QList<qint64>{sw::ArchivesResultPage});
    QVERIFY(page.passwordErrorField()->text().isEmpty());
    const auto data = ORFileDataCollection::shareInstance().fileData();
    QVERIFY(data && data->fileGroups.size() == 1);
    QFile secret(data->fileGroups.first().filePath);
    QVERIFY(secret.open(QIODevice::ReadOnly));
    QCOMPARE(secret.readAll(), QByteArray("top secret"));
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
