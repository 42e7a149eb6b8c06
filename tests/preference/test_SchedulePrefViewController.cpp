// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/JunkFixture.h"

#include "core/junk/ORJunkCategory.h"
#include "core/junk/ScheduledProfile.h"
#include "gui/preference/PrefCheckBox.h"
#include "gui/preference/SchedulePrefViewController.h"
#include "support/PkexecStandIn.h"
#include "support/SystemctlStandIn.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>

#include <sys/stat.h>

#include <memory>

// The Schedule pane against a stand-in systemctl first on PATH: a choice
// writes, enables, disables and removes the user's timer at once, and
// without a user session it is not offered.
class TestSchedulePrefViewController : public QObject
{
    Q_OBJECT

    std::unique_ptr<JunkFixture> fixture;

    QString unit(const char *name) const
    {
        return fixture->path(QStringLiteral("home/.config/systemd/user/")) + QLatin1String(name);
    }

private slots:
    void init() { fixture = std::make_unique<JunkFixture>(); }
    void cleanup()
    {
        fixture.reset();
        ORLayout::reset();
        ORPrefConfig::setStorePath(QString());
    }

    void aChoiceWritesAndEnablesTheTimerAndNeverTakesItAway()
    {
        swtest::SystemctlStandIn systemctl;
        const swtest::EnvOverride path("PATH", systemctl.path().toLocal8Bit());
        fixture->write(QStringLiteral("bin/sweepwright-cli"), 10);
        const QString cli = fixture->path(QStringLiteral("bin/sweepwright-cli"));
        ::chmod(QFile::encodeName(cli).constData(), 0755);
        const swtest::EnvOverride program("SWEEPWRIGHT_CLI", QFile::encodeName(cli));

        SchedulePrefViewController pane;
        QComboBox *frequency = pane.frequencyBox();
        QVERIFY(frequency->isEnabled());
        QCOMPARE(frequency->currentIndex(), 0);
        QVERIFY(pane.findChild<QLabel *>(QStringLiteral("scheduleReason"))->isHidden());
        frequency->setCurrentIndex(2);
        emit frequency->activated(2);
        QFile timer(unit("sweepwright-clean.timer"));
        QVERIFY(timer.open(QIODevice::ReadOnly));
        QVERIFY(timer.readAll().contains("OnCalendar=weekly\n"));
        QVERIFY(QFile::exists(unit("sweepwright-clean.service")));
        QCOMPARE(systemctl.changes().last(), QStringLiteral("--user enable --now sweepwright-clean.timer"));

        // The run reads its categories when it starts: a box changes the
        // settings only.
        const qint64 cache = ORJunkCategory::categories().constFirst().groupID;
        QVERIFY(pane.boxForCategory(cache)->isChecked());
        pane.boxForCategory(cache)->click();
        QVERIFY(!sw::ScheduledProfile::categories().contains(cache));
        QVERIFY(!sw::ScheduledProfile::categories().isEmpty());

        frequency->setCurrentIndex(0);
        emit frequency->activated(0);
        QVERIFY(!QFile::exists(unit("sweepwright-clean.timer")));
        QVERIFY(!QFile::exists(unit("sweepwright-clean.service")));
        QVERIFY(systemctl.changes().contains(QStringLiteral("--user disable --now sweepwright-clean.timer")));
        QCOMPARE(frequency->currentIndex(), 0);
    }

    void withoutAUserSessionTheChoiceIsDisabledWithTheReason()
    {
        swtest::SystemctlStandIn systemctl(QStringLiteral("offline"));
        const swtest::EnvOverride path("PATH", systemctl.path().toLocal8Bit());
        const swtest::EnvOverride program("SWEEPWRIGHT_CLI", QByteArrayLiteral("/bin/true"));
        SchedulePrefViewController pane;
        QVERIFY(!pane.frequencyBox()->isEnabled());
        const QLabel *reason = pane.findChild<QLabel *>(QStringLiteral("scheduleReason"));
        QVERIFY(!reason->isHidden());
        QVERIFY2(reason->text().contains(QLatin1String("offline")), qPrintable(reason->text()));
    }
};

QTEST_MAIN(TestSchedulePrefViewController)
#include "test_SchedulePrefViewController.moc"
