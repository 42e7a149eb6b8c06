#include "SingleInstance.h"

#include <QLocalServer>
#include <QSignalSpy>
#include <QUuid>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// A second start of the program must reach the running one, and a socket left
// behind by a crashed instance must not keep the program from starting.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondStartAsksTheFirstToShowItself()
    {
        const QString key = QUuid::createUuid().toString(QUuid::WithoutBraces);
        sw::SingleInstance first(key);
        sw::SingleInstance second(key);
        QVERIFY(!first.notifyRunningInstance());  // nobody listens yet
        QVERIFY(first.listen());
        QSignalSpy shown(&first, &sw::SingleInstance::showRequested);
        QVERIFY(second.notifyRunningInstance());
        QTRY_COMPARE(shown.count(), 1);
    }

    void staleSocketIsTakenOver()
    {
        const QString key = QUuid::createUuid().toString(QUuid::WithoutBraces);
        // What a crashed instance leaves: a bound socket file nobody listens on.
        const QString path = QDir::tempPath() + QStringLiteral("/%1-%2").arg(key).arg(getuid());
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof(address.sun_path));
        QCOMPARE(bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
        close(fd);
        QVERIFY(QFileInfo::exists(path));
        sw::SingleInstance next(key);
        QVERIFY(!next.notifyRunningInstance());
        QVERIFY(next.listen());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_SingleInstance.moc"
