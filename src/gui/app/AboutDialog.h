// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QMap>
#include <QUrl>

class QFormLayout;
class QLabel;

namespace sw {

// The program's version and licence, the libraries it runs on with the
// versions in use (Ghostscript's asked in the background) and a link to the
// README: the installed one, else the project's page.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);

    // The version shown for a library ("Qt", "Ghostscript", ...).
    QString shownVersion(const QString &library) const;
    // The first README* in folders, else the project's page.
    static QUrl readmeUrl(const QStringList &folders = readmeFolders());
    // Beside the program (bin/../share/doc/sweepwright), then the
    // distribution's package's.
    static QStringList readmeFolders();

private:
    QLayout *buildHeader();
    QFormLayout *buildLibraries();
    void addLibrary(QFormLayout *form, const QString &name, const QString &version);

    QMap<QString, QLabel *> m_versions;
};

} // namespace sw
