#pragma once

#include "JobControl.h"
#include "ORPdfFile.h"

#include <QString>
#include <QStringList>
#include <QTemporaryFile>

#include <optional>

class QProcess;

namespace sw {

// One run of Ghostscript's pdfwrite over a document, into a hidden
// temporary file of a private folder. The file is removed with this object
// unless keep() was called (after it was moved away).
class GhostscriptRun
{
public:
    // program: the gs to run (empty: none is installed); folder: where the
    // copy and the password's argument file go, a folder only we may enter.
    GhostscriptRun(QString program, QString folder);

    // Rewrites source with filter's arguments; the copy's path, or nullopt
    // with problem() telling why (nullopt also when job was cancelled).
    std::optional<QString> rewrite(const ORPdfFile &source, const QStringList &filter, JobControl &job);
    QString problem() const { return m_problem; }
    void keep() { m_output.setAutoRemove(false); }

    // The line of an argument file that hands gs password; nullopt for a
    // password gs's argument files cannot carry (a backslash before a quote
    // or at the end, a line break).
    static std::optional<QByteArray> passwordArgument(const QString &password);
    // The page number of a "Page N" line of gs's output, else 0.
    static int pageOfLine(const QByteArray &line);

private:
    bool writePasswordFile(const QString &password);
    bool watch(QProcess &gs, JobControl &job);
    QString exitProblem(const QProcess &gs) const;

    QString m_program;
    QString m_folder;
    QTemporaryFile m_output;
    QTemporaryFile m_passwordFile;
    QByteArray m_errors;  // the end of what gs wrote on its error output
    QString m_problem;
};

}  // namespace sw
