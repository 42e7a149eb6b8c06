// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/pdf/GhostscriptLimits.h"
#include "core/pdf/ORPdfFile.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>

#include <memory>
#include <optional>

class QProcess;

namespace sw {

// One run of Ghostscript's pdfwrite over a document, into a file of a
// private folder, which is also gs's own temporary folder (the empty gs_*
// files a killed gs leaves go with it). gs runs within its limits: its
// address space is capped, it is killed when no page finished for too long,
// and it dies with the thread that started it. Several runs may go at once:
// start() each, then wait() on each until it has ended.
class GhostscriptRun
{
public:
    // program: the gs to run (empty: none is installed); folder: where the
    // copy, the password's argument file and gs's temporary files go, a
    // folder only we may enter.
    GhostscriptRun(QString program, QString folder, GhostscriptLimits limits);
    ~GhostscriptRun();

    // Starts rewriting source with settings into folder/outputName; false
    // with problem() telling why.
    bool start(const ORPdfFile &source, const QStringList &settings, const QString &outputName);
    // Waits up to msecs for gs, reading its page lines; true once it has
    // ended (it may have been stopped for going over a limit).
    bool wait(int msecs);
    // Kills gs and waits for it.
    void stop();
    // Pages gs has begun so far.
    int pages() const { return m_pages; }
    // Once ended: the copy, or nullopt with problem() telling why.
    std::optional<QString> output() const;
    QString problem() const { return m_problem; }

    // The line of an argument file that hands gs password; nullopt for a
    // password gs's argument files cannot carry (a backslash before a quote
    // or at the end, a line break).
    static std::optional<QByteArray> passwordArgument(const QString &password);
    // The page number of a "Page N" line of gs's output, else 0.
    static int pageOfLine(const QByteArray &line);

private:
    bool writePasswordFile(const QString &password);
    void readOutput();
    void checkLimits();
    QString exitProblem() const;
    QString memoryNote() const;

    QString m_program;
    QString m_folder;
    GhostscriptLimits m_limits;
    QString m_outputPath;
    QTemporaryFile m_passwordFile;
    std::unique_ptr<QProcess> m_gs;
    QElapsedTimer m_sincePage;  // since gs began its last page
    int m_pages = 0;
    qint64 m_peakMemory = 0;  // the largest address space seen, bytes
    QByteArray m_errors;      // the end of what gs wrote on its error output
    QString m_problem;
};

}  // namespace sw
