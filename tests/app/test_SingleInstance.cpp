// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/SingleInstance.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>

namespace {

constexpr uid_t kNobody = 65534;

sockaddr_un addressOf(const char *path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path, sizeof address.sun_path);
    return address;
}

// What the tests run as another user: "--listen PATH" listens there, says
// "ready" and holds every connection until it is killed; "--send PATH"
// sends the message that asks an instance to show itself.
int helperMain(const char *mode, const char *path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_un address = addressOf(path);
    const auto *raw = reinterpret_cast<const sockaddr *>(&address);
    if (qstrcmp(mode, "--listen") == 0) {
        if (::bind(fd, raw, sizeof address) != 0 || ::listen(fd, 8) != 0)
            return 1;
        std::puts("ready");
        std::fflush(stdout);
        for (;;)
            ::accept(fd, nullptr, nullptr);
    }
    if (::connect(fd, raw, sizeof address) != 0 || ::write(fd, "show\n", 5) != 5)
        return 1;
    char byte;
    while (::read(fd, &byte, 1) > 0) {
    }
    return 0;
}

}  // namespace

// A second start of the program must reach the running one; a socket left
// behind by a crashed instance, or one held by another user, must not keep
// the program from starting; and another user can neither stop a start nor
// make the window show.
class TestSingleInstance : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString key() const { return QUuid::createUuid().toString(QUuid::WithoutBraces); }

    // The test program again, as the nobody user, in a helper mode.
    std::unique_ptr<QProcess> asNobody(const QStringList &args)
    {
        auto process = std::make_unique<QProcess>();
        process->start(QStringLiteral("setpriv"),
                       QStringList{QStringLiteral("--reuid=%1").arg(kNobody), QStringLiteral("--regid=%1").arg(kNobody),
                                   QStringLiteral("--clear-groups"), QCoreApplication::applicationFilePath()}
                           + args);
        return process;
    }
    // A folder the nobody user may write in.
    QString openFolder(const QString &name) const
    {
        const QString path = m_dir.filePath(name);
        QDir().mkpath(path);
        ::chmod(QFile::encodeName(path).constData(), 0777);
        return path;
    }

private slots:
    void initTestCase()
    {
        // Out of the real runtime and cache folders; the nobody user may
        // pass through this one to its open folders.
        ::chmod(QFile::encodeName(m_dir.path()).constData(), 0755);
        const QString runtime = m_dir.filePath(QStringLiteral("runtime"));
        QDir().mkpath(runtime);
        ::chmod(QFile::encodeName(runtime).constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("cache"))));
    }

    void secondStartAsksTheFirstToShowItself()
    {
        const QString name = key();
        sw::SingleInstance first(name);
        sw::SingleInstance second(name);
        QCOMPARE(QFileInfo(first.socketPath()).path(), m_dir.filePath(QStringLiteral("runtime")));
        QVERIFY(!first.notifyRunningInstance());  // nobody listens yet
        QVERIFY(first.listen());
        QSignalSpy shown(&first, &sw::SingleInstance::showRequested);
        QVERIFY(second.notifyRunningInstance());
        QTRY_COMPARE(shown.count(), 1);
        // A saved result to open travels along, whatever its name holds.
        QSignalSpy opened(&first, &sw::SingleInstance::openResultRequested);
        const QString odd = QStringLiteral("/tmp/a b\n%41 é.json");
        QVERIFY(second.notifyRunningInstance(odd));
        QTRY_COMPARE(opened.count(), 1);
        QCOMPARE(opened.at(0).at(0).toString(), odd);
        QCOMPARE(shown.count(), 2);
    }

    void staleSocketIsTakenOver()
    {
        sw::SingleInstance next(key());
        // What a crashed instance leaves: a bound socket file nobody listens on.
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un address = addressOf(QFile::encodeName(next.socketPath()).constData());
        QCOMPARE(::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
        ::close(fd);
        QVERIFY(QFileInfo::exists(next.socketPath()));
        QVERIFY(!next.notifyRunningInstance());
        QVERIFY(next.listen());
    }

    // The socket sat in the shared temporary folder. A runtime folder that
    // others may enter, or that is not a real folder of the user's, is passed
    // over for a private one below the cache folder.
    void socketStaysOutOfFoldersOthersCanEnter_data()
    {
        QTest::addColumn<QString>("runtime");
        QTest::addColumn<bool>("used");
        const auto folder = [this](const char *name, mode_t mode, uid_t owner) {
            const QString path = m_dir.filePath(QString::fromLatin1(name));
            QDir().mkpath(path);
            ::chmod(QFile::encodeName(path).constData(), mode);
            // Where no other owner can be given, the row tests an unset one.
            const bool owned = ::chown(QFile::encodeName(path).constData(), owner, owner) == 0;
            return owned || owner == ::geteuid() ? path : QString();
        };
        QTest::newRow("private") << folder("own", 0700, ::geteuid()) << true;
        QTest::newRow("shared_sticky") << folder("shared", 01777, ::geteuid()) << false;
        QTest::newRow("readable_by_others") << folder("open", 0755, ::geteuid()) << false;
        QTest::newRow("another_users") << folder("theirs", 0700, kNobody) << false;
        QFile::link(m_dir.filePath(QStringLiteral("own")), m_dir.filePath(QStringLiteral("link")));
        QTest::newRow("link_to_a_private_one") << m_dir.filePath(QStringLiteral("link")) << false;
        QTest::newRow("unset") << QString() << false;
    }
    void socketStaysOutOfFoldersOthersCanEnter()
    {
        QFETCH(QString, runtime);
        QFETCH(bool, used);
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        const QString folder = QFileInfo(sw::SingleInstance(key()).socketPath()).path();
        qputenv("XDG_RUNTIME_DIR", saved);
        const QString cache = m_dir.filePath(QStringLiteral("cache/sweepwright"));
        QCOMPARE(folder, used ? runtime : cache);
        struct stat st;
        QVERIFY(used || ::lstat(QFile::encodeName(cache).constData(), &st) == 0);
        QVERIFY(used || (st.st_mode & 07777) == 0700);
    }

    // Another user listening first where the socket used to be, or (moved
    // in by root) where it is now, made every start end at once.
    void listenerOfAnotherUserDoesNotStopTheStart()
    {
        const QString name = key();
        sw::SingleInstance starting(name);
        const QString oldPlace = QDir::tempPath() + QStringLiteral("/%1-%2").arg(name).arg(::getuid());
        const QString planted = openFolder(QStringLiteral("planted")) + QStringLiteral("/socket");
        const auto inTmp = asNobody({QStringLiteral("--listen"), oldPlace});
        const auto inOurs = asNobody({QStringLiteral("--listen"), planted});
        const bool ready = inTmp->waitForReadyRead(5000) && inOurs->waitForReadyRead(5000);
        if (!ready) {
            inTmp->kill();
            inOurs->kill();
            QSKIP("cannot run a listener as another user here");
        }
        QVERIFY(QFile::rename(planted, starting.socketPath()));

        QVERIFY(!starting.notifyRunningInstance());
        QVERIFY(starting.listen());
        QSignalSpy shown(&starting, &sw::SingleInstance::showRequested);
        QVERIFY(sw::SingleInstance(name).notifyRunningInstance());
        QTRY_COMPARE(shown.count(), 1);
        for (QProcess *listener : {inTmp.get(), inOurs.get()}) {
            listener->kill();
            listener->waitForFinished();
        }
        QFile::remove(oldPlace);
    }

    // The server trusted whoever reached its socket.
    void messageFromAnotherUserIsIgnored()
    {
        const QString name = key();
        sw::SingleInstance running(name);
        QVERIFY(running.listen());
        QSignalSpy shown(&running, &sw::SingleInstance::showRequested);
        // Moved where the nobody user can reach it: the folder no longer keeps it out.
        const QString reachable = openFolder(QStringLiteral("reachable")) + QStringLiteral("/socket");
        QVERIFY(QFile::rename(running.socketPath(), reachable));
        ::chmod(QFile::encodeName(reachable).constData(), 0777);
        const auto sender = asNobody({QStringLiteral("--send"), reachable});
        // The server answers from the event loop: keep it running meanwhile.
        QTRY_VERIFY_WITH_TIMEOUT(sender->state() == QProcess::NotRunning, 5000);
        if (sender->exitStatus() != QProcess::NormalExit || sender->exitCode() != 0)
            QSKIP("cannot send as another user here");
        QTest::qWait(300);
        QCOMPARE(shown.count(), 0);

        QVERIFY(QFile::rename(reachable, running.socketPath()));
        QVERIFY(sw::SingleInstance(name).notifyRunningInstance());
        QTRY_COMPARE(shown.count(), 1);
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && (qstrcmp(argv[1], "--listen") == 0 || qstrcmp(argv[1], "--send") == 0))
        return helperMain(argv[1], argv[2]);
    QCoreApplication app(argc, argv);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_SingleInstance.moc"
