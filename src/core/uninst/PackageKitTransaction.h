// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include <optional>

class QEventLoop;
class QTimer;

namespace sw {

class JobControl;

// PackageKit's names and numbers, as its D-Bus interface defines them.
namespace packagekit {
inline constexpr char kService[] = "org.freedesktop.PackageKit";
inline constexpr char kPath[] = "/org/freedesktop/PackageKit";
inline constexpr char kInterface[] = "org.freedesktop.PackageKit";
inline constexpr char kTransactionInterface[] = "org.freedesktop.PackageKit.Transaction";
inline constexpr quint64 kFilterInstalled = quint64(1) << 2;
inline constexpr quint64 kFlagOnlyTrusted = quint64(1) << 1;
inline constexpr quint64 kFlagSimulate = quint64(1) << 2;
inline constexpr uint kExitSuccess = 1;
inline constexpr uint kExitCancelled = 3;
inline constexpr uint kErrorTransactionCancelled = 17;
inline constexpr uint kErrorNotAuthorized = 48;
}  // namespace packagekit

// One PackageKit transaction: CreateTransaction, then the method on the
// transaction's object, then its signals until Finished. Blocks the calling
// thread, which must not be the GUI's: the signals are taken in a local
// event loop. A transaction that stays silent for the idle timeout, whose
// service leaves the bus, or (when a job is given) whose job is cancelled,
// is cancelled and ends without an answer.
class PackageKitTransaction : public QObject
{
    Q_OBJECT
public:
    struct Package
    {
        uint info = 0;
        QString id;
        QString summary;
    };

    struct Result
    {
        enum class Status {
            Finished,   // Finished came: see exit and the error
            Cancelled,  // the job was cancelled
            NoAnswer,   // no transaction, an error reply, silence, or PackageKit gone: see problem
        };
        Status status = Status::NoAnswer;
        uint exit = 0;
        uint errorCode = 0;  // ErrorCode's, when one came
        QString errorDetails;
        QString problem;
        QList<Package> packages;
        QList<QVariantMap> details;
        QHash<QString, QStringList> files;  // by package id

        bool succeeded() const { return status == Status::Finished && exit == packagekit::kExitSuccess; }
        // What went wrong, for a log or a reason; empty when it succeeded.
        QString failure() const;
    };

    // job may be null: nothing but silence or PackageKit's going ends the wait.
    PackageKitTransaction(const QDBusConnection &bus, int idleTimeoutMs, const JobControl *job);
    ~PackageKitTransaction() override;

    // Once per object. hints go to SetHints before the method.
    Result run(const QString &method, const QVariantList &arguments, const QStringList &hints = {});

private slots:
    void onSignal(const QDBusMessage &message);

private:
    bool call(const QString &method, const QVariantList &arguments);
    void listen(bool on);
    void wait();
    void take(const QDBusMessage &message);
    void end(Result::Status status, const QString &problem = QString());
    void cancelTransaction();

    QDBusConnection m_bus;
    int m_idleTimeoutMs;
    const JobControl *m_job;
    QString m_path;
    Result m_result;
    bool m_done = false;
    QEventLoop *m_loop = nullptr;  // while waiting
    QTimer *m_idle = nullptr;      // while waiting
};

}  // namespace sw
