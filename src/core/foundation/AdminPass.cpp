// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/AdminPass.h"

#include "core/foundation/PkexecChild.h"
#include "core/foundation/STPrivilegedTask.h"
#include "core/fs/AnchoredRoot.h"
#include "core/fs/PrivilegedRequest.h"
#include "core/platform/ORLayout.h"
#include "core/platform/PrivilegedRoots.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <optional>

namespace sw {

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(AdminPass)
};

QString refusalText(PrivilegedAnswer::Refusal refusal)
{
    using Refusal = PrivilegedAnswer::Refusal;
    switch (refusal) {
    case Refusal::None: break;
    case Refusal::Malformed: return Text::tr("the administrator removal did not understand the request; left in place");
    case Refusal::OutsideTable: return Text::tr("lies outside the places the administrator removal covers; left in place");
    case Refusal::RootChanged: return Text::tr("its folder changed while the password was asked for; left in place");
    case Refusal::Protected: return Text::tr("is or lies in a protected folder; left in place");
    case Refusal::Changed: return Text::tr("it changed while the password was asked for; left in place");
    case Refusal::Unreachable: return Text::tr("cannot be reached without following a link or entering another file system; left in place");
    }
    return QString();
}

// The folder of the running program, links resolved.
QString programFolder()
{
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return self.isEmpty() ? QString() : QFileInfo(self).absolutePath();
}

}  // namespace

// An item on its way to the helper: the request, and what it answers for.
struct AdminPass::Pending
{
    qsizetype item = 0;  // in m_items
    PrivilegedRequest request;
};

QString AdminPass::helperPath()
{
    if (qEnvironmentVariableIsSet("SWEEPWRIGHT_PRIVILEGED"))
        return qEnvironmentVariable("SWEEPWRIGHT_PRIVILEGED");
    const QString folder = programFolder();
    if (folder.isEmpty())
        return QString();
    // Installed: BINDIR/<helpers>/; built: src/privileged beside src/gui and src/cli.
    for (const QString &candidate : {QStringLiteral("/" SWEEPWRIGHT_HELPER_DIR "/sweepwright-privileged"),
                                     QStringLiteral("/../privileged/sweepwright-privileged")}) {
        const QFileInfo info(QDir::cleanPath(folder + candidate));
        if (info.isFile() && info.isExecutable())
            return info.filePath();
    }
    return QString();
}

// The request for one item, or nothing (the outcome says why).
std::optional<AdminPass::Pending> AdminPass::prepare(const Item &item, RemovalOutcome &outcome)
{
    const AnchoredRoot *anchor = m_run.roots().open(item.root, item.allowed);
    const std::optional<QByteArray> relative = anchor ? anchor->relativeOf(item.path) : std::nullopt;
    const std::optional<AnchoredRoot::Item> found =
        relative && !relative->isEmpty() ? anchor->locate(*relative) : std::nullopt;
    const auto id = found ? FileIdentity::of(found->parent.get(), found->name.constData()) : std::nullopt;
    if (!id) {
        outcome.failures.append({item.path, Text::tr("cannot be reached below its folder; left in place")});
        return std::nullopt;
    }
    const QString real = anchor->realPathOf(*relative);
    // The deepest folder of the table that holds the item.
    const TableFolder *table = nullptr;
    for (const TableFolder &folder : m_table)
        if (real.startsWith(folder.root.realPath() + QLatin1Char('/'))
            && (!table || folder.root.realPath().size() > table->root.realPath().size()))
            table = &folder;
    if (!table) {
        outcome.failures.append({item.path, refusalText(PrivilegedAnswer::Refusal::OutsideTable)});
        return std::nullopt;
    }
    Pending pending;
    pending.request.root = table->entry;
    pending.request.rootDev = table->root.identity().dev;
    pending.request.rootIno = table->root.identity().ino;
    pending.request.relative = QFile::encodeName(real.mid(table->root.realPath().size() + 1));
    pending.request.dev = id->dev;
    pending.request.ino = id->ino;
    pending.request.mode =
        item.mode == RemovalRun::Mode::Whole ? PrivilegedRequest::Mode::Whole : PrivilegedRequest::Mode::Contents;
    return pending;
}

// Starts the helper with every request and collects its answer lines; sets
// the status, and the reason when it did not run.
void AdminPass::launch(const QList<Pending> &pending, QList<QByteArray> &answers)
{
    const QString helper = helperPath();
    if (helper.isEmpty()) {
        m_status = Status::Refused;
        m_reason = Text::tr("the administrator helper sweepwright-privileged is not installed; left in place");
        return;
    }
    QByteArray input;
    for (const Pending &p : pending)
        input += p.request.toLine();
    // "/" as the working folder: it always exists, whatever the caller's own is.
    STPrivilegedTask task(helper,
                          {QStringLiteral("--layout"), ORLayout::kindName(), QStringLiteral("--root"),
                           ORLayout::root(), QStringLiteral("--home"), ORLayout::home()},
                          QStringLiteral("/"));
    task.setStandardInput(input);
    const qint32 code = task.launch();
    if (code != STPrivilegedTask::errAuthorizationSuccess) {
        m_status = code == STPrivilegedTask::errAuthorizationCanceled ? Status::Cancelled : Status::Refused;
        m_reason = Text::tr("%1; left in place").arg(STPrivilegedTask::statusText(code));
        return;
    }
    m_status = Status::Ran;
    // Read to the end before waiting: a long answer fills the pipe.
    if (const std::shared_ptr<QFile> output = task.outputFileHandle())
        answers = output->readAll().split('\n');
    task.waitUntilExit();
}

void AdminPass::settle(const Pending &pending, const QByteArray *answerLine, RemovalOutcome &outcome) const
{
    const Item &item = m_items.at(pending.item);
    const std::optional<PrivilegedAnswer> answer = answerLine ? PrivilegedAnswer::fromLine(*answerLine) : std::nullopt;
    if (!m_reason.isEmpty()) {
        outcome.failures.append({item.path, m_reason});
        return;
    }
    if (!answer) {
        outcome.failures.append({item.path, Text::tr("the administrator removal gave no answer for it; left in place")});
        return;
    }
    outcome.removed = answer->removed;
    const QString refused = refusalText(answer->refusal);
    if (!refused.isEmpty() && answer->failures.isEmpty())
        outcome.failures.append({item.path, refused});
    for (const PrivilegedAnswer::Failure &failure : answer->failures) {
        const QString path =
            failure.relative.isEmpty() ? item.path : item.path + QLatin1Char('/') + QFile::decodeName(failure.relative);
        outcome.failures.append(
            {path, refused.isEmpty() ? failure.reason
                                     : Text::tr("%1 (%2)", "why the administrator removal refused, and what it met")
                                           .arg(refused, failure.reason)});
    }
}

QList<RemovalOutcome> AdminPass::run()
{
    QList<RemovalOutcome> outcomes;
    QList<Pending> pending;
    m_table.clear();
    for (const QString &entry : PrivilegedRoots::current())
        if (std::optional<AnchoredRoot> root = AnchoredRoot::open(entry))
            m_table.push_back({QDir::cleanPath(entry), std::move(*root)});
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        const Item &item = m_items.at(i);
        outcomes.append({item.path, item.size, 0, {}});
        if (std::optional<Pending> p = prepare(item, outcomes.last())) {
            p->item = i;
            pending.append(std::move(*p));
        }
    }
    if (pending.isEmpty())
        return outcomes;
    QList<QByteArray> answers;
    launch(pending, answers);
    // Answers come in request order, each with its request's index.
    QHash<qsizetype, const QByteArray *> byIndex;
    for (const QByteArray &line : std::as_const(answers))
        if (const std::optional<PrivilegedAnswer> answer = PrivilegedAnswer::fromLine(line))
            byIndex.insert(answer->index, &line);
    for (qsizetype i = 0; i < pending.size(); ++i)
        settle(pending.at(i), byIndex.value(i, nullptr), outcomes[pending.at(i).item]);
    return outcomes;
}

}  // namespace sw
