// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/PackageKitTransaction.h"

#include "core/foundation/JobControl.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QEventLoop>
#include <QTimer>

#include <optional>

namespace sw {

namespace {

// What PackageKit answers at once. Starting the service on first use may
// take some seconds.
constexpr int kCallTimeoutMs = 30000;
constexpr int kCancelPollMs = 100;

constexpr const char *kSignals[] = {"Package",   "Packages", "Details", "Files",
                                    "ErrorCode", "Finished", "Destroy"};

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

// The value of a container argument with the given signature, null otherwise.
std::optional<QDBusArgument> container(const QVariant &value, const char *signature)
{
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return std::nullopt;
    QDBusArgument argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String(signature))
        return std::nullopt;
    return argument;
}

// The Packages signal's batch, a(uss).
QList<PackageKitTransaction::Package> packagesOf(const QVariant &value)
{
    QList<PackageKitTransaction::Package> packages;
    const std::optional<QDBusArgument> argument = container(value, "a(uss)");
    if (!argument)
        return packages;
    argument->beginArray();
    while (!argument->atEnd()) {
        PackageKitTransaction::Package package;
        argument->beginStructure();
        *argument >> package.info >> package.id >> package.summary;
        argument->endStructure();
        packages.append(package);
    }
    argument->endArray();
    return packages;
}

}  // namespace

QString PackageKitTransaction::Result::failure() const
{
    switch (status) {
    case Status::Cancelled:
        return tr("cancelled");
    case Status::NoAnswer:
        return problem;
    case Status::Finished:
        break;
    }
    if (succeeded())
        return {};
    if (!errorDetails.isEmpty())
        return errorDetails;
    return tr("PackageKit ended the transaction with exit code %1").arg(exit);
}

PackageKitTransaction::PackageKitTransaction(const QDBusConnection &bus, int idleTimeoutMs,
                                             const JobControl *job)
    : m_bus(bus), m_idleTimeoutMs(idleTimeoutMs), m_job(job)
{
}

PackageKitTransaction::~PackageKitTransaction() = default;

PackageKitTransaction::Result PackageKitTransaction::run(const QString &method, const QVariantList &arguments,
                                                         const QStringList &hints)
{
    const QDBusMessage reply = m_bus.call(
        QDBusMessage::createMethodCall(latin1(packagekit::kService), latin1(packagekit::kPath),
                                       latin1(packagekit::kInterface), QStringLiteral("CreateTransaction")),
        QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.signature() != QLatin1String("o")) {
        m_result.problem =
            reply.errorMessage().isEmpty() ? tr("PackageKit gave no transaction") : reply.errorMessage();
        return m_result;
    }
    m_path = reply.arguments().constFirst().value<QDBusObjectPath>().path();
    // Watched before the method is called: PackageKit may leave right after it answers.
    QDBusServiceWatcher watcher(latin1(packagekit::kService), m_bus,
                                QDBusServiceWatcher::WatchForUnregistration);
    connect(&watcher, &QDBusServiceWatcher::serviceUnregistered, this,
            [this] { end(Result::Status::NoAnswer, tr("PackageKit left the bus")); });
    listen(true);
    if ((hints.isEmpty() || call(QStringLiteral("SetHints"), {hints})) && call(method, arguments))
        wait();
    listen(false);
    return m_result;
}

bool PackageKitTransaction::call(const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(latin1(packagekit::kService), m_path,
                                                          latin1(packagekit::kTransactionInterface), method);
    message.setArguments(arguments);
    const QDBusMessage reply = m_bus.call(message, QDBus::Block, kCallTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return true;
    end(Result::Status::NoAnswer,
        reply.errorMessage().isEmpty() ? tr("PackageKit did not take the request") : reply.errorMessage());
    return false;
}

// The transaction's own signals, and its property changes, which say it is
// still at work (waiting for a lock, downloading, asking for a password).
void PackageKitTransaction::listen(bool on)
{
    const auto hook = [&](const QString &interface, const QString &name) {
        if (on)
            m_bus.connect(latin1(packagekit::kService), m_path, interface, name, this,
                          SLOT(onSignal(QDBusMessage)));
        else
            m_bus.disconnect(latin1(packagekit::kService), m_path, interface, name, this,
                             SLOT(onSignal(QDBusMessage)));
    };
    for (const char *name : kSignals)
        hook(latin1(packagekit::kTransactionInterface), latin1(name));
    hook(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
}

void PackageKitTransaction::wait()
{
    QEventLoop loop;
    QTimer idle;
    idle.setSingleShot(true);
    connect(&idle, &QTimer::timeout, this,
            [this] { end(Result::Status::NoAnswer, tr("PackageKit stopped answering")); });
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [this] {
        if (m_job && m_job->isCancelled())
            end(Result::Status::Cancelled);
    });
    m_loop = &loop;
    m_idle = &idle;
    idle.start(m_idleTimeoutMs);
    if (m_job)
        poll.start(kCancelPollMs);
    if (!m_done)
        loop.exec();
    m_loop = nullptr;
    m_idle = nullptr;
}

void PackageKitTransaction::onSignal(const QDBusMessage &message)
{
    if (m_done || message.path() != m_path)
        return;
    if (m_idle)
        m_idle->start(m_idleTimeoutMs);
    take(message);
}

void PackageKitTransaction::take(const QDBusMessage &message)
{
    const QVariantList args = message.arguments();
    const QString member = message.member();
    const QString signature = message.signature();
    if (member == QLatin1String("Package") && signature == QLatin1String("uss")) {
        m_result.packages.append({args.at(0).toUInt(), args.at(1).toString(), args.at(2).toString()});
    } else if (member == QLatin1String("Packages")) {
        m_result.packages += packagesOf(args.value(0));
    } else if (member == QLatin1String("Details")) {
        if (const std::optional<QDBusArgument> data = container(args.value(0), "a{sv}"))
            m_result.details.append(qdbus_cast<QVariantMap>(*data));
    } else if (member == QLatin1String("Files") && signature == QLatin1String("sas")) {
        m_result.files[args.at(0).toString()] += args.at(1).toStringList();
    } else if (member == QLatin1String("ErrorCode") && signature == QLatin1String("us")) {
        m_result.errorCode = args.at(0).toUInt();
        m_result.errorDetails = args.at(1).toString();
    } else if (member == QLatin1String("Finished") && signature == QLatin1String("uu")) {
        m_result.exit = args.at(0).toUInt();
        end(Result::Status::Finished);
    } else if (member == QLatin1String("Destroy")) {
        end(Result::Status::NoAnswer, tr("PackageKit dropped the transaction before it finished"));
    }
}

void PackageKitTransaction::end(Result::Status status, const QString &problem)
{
    if (m_done)
        return;
    m_done = true;
    m_result.status = status;
    m_result.problem = problem;
    // A transaction left behind could still go on, and ask for a password.
    if (status != Result::Status::Finished)
        cancelTransaction();
    if (m_loop)
        m_loop->quit();
}

void PackageKitTransaction::cancelTransaction()
{
    if (!m_path.isEmpty())
        m_bus.send(QDBusMessage::createMethodCall(latin1(packagekit::kService), m_path,
                                                  latin1(packagekit::kTransactionInterface),
                                                  QStringLiteral("Cancel")));
}

}  // namespace sw
