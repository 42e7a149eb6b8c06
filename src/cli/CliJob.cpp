#include "CliJob.h"

#include "InterruptWatch.h"
#include "ORDispatch.h"
#include "ProgressLine.h"

#include <QEventLoop>

#include <cstdio>

bool CliJob::run(const QString &phase, const std::function<void(sw::JobControl &)> &work)
{
    sw::JobControl job;
    ProgressLine progress(stderr, job, phase);
    InterruptWatch interrupt([&job] { job.cancel(); });
    QEventLoop loop;
    ORDispatch::global(ORDispatch::Priority::Default, [&] {
        work(job);
        ORDispatch::main([&loop] { loop.quit(); });
    });
    loop.exec();
    progress.clear();
    return interrupt.fired();
}
