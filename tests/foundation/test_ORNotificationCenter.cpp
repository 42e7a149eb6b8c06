// SPDX-License-Identifier: GPL-3.0-or-later
// The notification centre: synchronous delivery in registration order,
// removal (explicit and on destruction), the null placeholder.

#include "core/foundation/ORNotificationCenter.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <memory>

namespace {

ORNotificationCenter &center()
{
    return ORNotificationCenter::defaultCenter();
}

TEST(NotificationCenter, DeliversToObserversOfTheNameInRegistrationOrder)
{
    QObject a, b;
    QStringList seen;
    center().addObserver(&a, QStringLiteral("t.one"), [&](const QVariant &o) { seen << "a:" + o.toString(); });
    center().addObserver(&b, QStringLiteral("t.one"), [&](const QVariant &o) { seen << "b:" + o.toString(); });
    center().addObserver(&b, QStringLiteral("t.other"), [&](const QVariant &) { seen << QStringLiteral("other"); });
    center().postNotification(QStringLiteral("t.one"), QStringLiteral("x"));
    EXPECT_EQ(seen, (QStringList{"a:x", "b:x"}));
}

TEST(NotificationCenter, DestroyedObserverIsForgotten)
{
    int calls = 0;
    auto observer = std::make_unique<QObject>();
    center().addObserver(observer.get(), QStringLiteral("t.destroy"), [&](const QVariant &) { ++calls; });
    center().postNotification(QStringLiteral("t.destroy"));
    observer.reset();
    // A new object may take the old address: it must not inherit the handler.
    QObject successor;
    center().postNotification(QStringLiteral("t.destroy"));
    EXPECT_EQ(calls, 1);
}

TEST(NotificationCenter, RemovedObserverHearsNothing)
{
    QObject observer;
    int one = 0, two = 0;
    center().addObserver(&observer, QStringLiteral("t.r1"), [&](const QVariant &) { ++one; });
    center().addObserver(&observer, QStringLiteral("t.r2"), [&](const QVariant &) { ++two; });
    center().removeObserver(&observer, QStringLiteral("t.r1"));
    center().postNotification(QStringLiteral("t.r1"));
    center().postNotification(QStringLiteral("t.r2"));
    EXPECT_EQ(one, 0);
    EXPECT_EQ(two, 1);
    center().removeObserver(&observer);
    center().postNotification(QStringLiteral("t.r2"));
    EXPECT_EQ(two, 1);
}

TEST(NotificationCenter, ObserverReRegisteredAfterRemovalIsStillForgottenOnDestruction)
{
    int calls = 0;
    {
        QObject observer;
        center().addObserver(&observer, QStringLiteral("t.again"), [&](const QVariant &) { ++calls; });
        center().removeObserver(&observer);
        center().addObserver(&observer, QStringLiteral("t.again"), [&](const QVariant &) { ++calls; });
    }
    center().postNotification(QStringLiteral("t.again"));
    EXPECT_EQ(calls, 0);
}

TEST(NotificationCenter, HandlerMayRemoveItselfOrAddObserversWhileDelivering)
{
    QObject first, second;
    int firstCalls = 0, secondCalls = 0;
    center().addObserver(&first, QStringLiteral("t.reentrant"), [&](const QVariant &) {
        ++firstCalls;
        center().removeObserver(&first);
        center().addObserver(&second, QStringLiteral("t.reentrant"), [&](const QVariant &) { ++secondCalls; });
    });
    center().postNotification(QStringLiteral("t.reentrant"));
    center().postNotification(QStringLiteral("t.reentrant"));
    EXPECT_EQ(firstCalls, 1);
    EXPECT_EQ(secondCalls, 1);
}

TEST(NotificationCenter, NullPlaceholderStandsForAnAbsentObject)
{
    EXPECT_TRUE(ORNotificationCenter::isNull(ORNotificationCenter::nullPlaceholder()));
    EXPECT_TRUE(ORNotificationCenter::isNull(QVariant()));
    EXPECT_FALSE(ORNotificationCenter::isNull(QVariant(0)));
    EXPECT_FALSE(ORNotificationCenter::isNull(QVariant(QString())));
}

TEST(NotificationCenter, NullObserverOrHandlerIsIgnored)
{
    QObject observer;
    center().addObserver(nullptr, QStringLiteral("t.null"), [](const QVariant &) { FAIL(); });
    center().addObserver(&observer, QStringLiteral("t.null"), {});
    center().postNotification(QStringLiteral("t.null"));
}

}  // namespace
