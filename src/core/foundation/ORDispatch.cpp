// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/ORDispatch.h"

#include "core/foundation/MainQueue.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>

void ORDispatch::global(Priority priority, std::function<void()> block)
{
    static const QThread::Priority threadPriority[] = {QThread::IdlePriority, QThread::LowPriority,
                                                       QThread::NormalPriority, QThread::HighPriority};
    const QThread::Priority wanted = threadPriority[int(priority)];
    QThreadPool::globalInstance()->start([wanted, block = std::move(block)] {
        QThread *self = QThread::currentThread();
        const QThread::Priority before = self->priority();
        self->setPriority(wanted);
        block();
        self->setPriority(before == QThread::InheritPriority ? QThread::NormalPriority : before);
    });
}

void ORDispatch::main(std::function<void()> block)
{
    sw::MainQueue::instance().post(std::move(block));
}

void ORDispatch::mainSync(std::function<void()> block)
{
    Q_ASSERT(QThread::currentThread() != QCoreApplication::instance()->thread());
    QSemaphore done;
    sw::MainQueue::instance().post([&] {
        block();
        done.release();
    });
    done.acquire();
}
