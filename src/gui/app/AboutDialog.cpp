// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/AboutDialog.h"

#include "core/pdf/GhostscriptProgram.h"
#include "gui/app/GhostscriptVersion.h"
#include "gui/app/LibraryVersions.h"
#include "gui/controls/ORImage.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace sw {

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("About Sweepwright"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *column = new QVBoxLayout(this);
    column->setSpacing(12);
    // As large as its texts need, also once Ghostscript answers: sized from
    // a first guess, the wrapped lines squeezed the rows below them.
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->addLayout(buildHeader());
    auto *licence =
        new QLabel(tr("Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later)"), this);
    licence->setObjectName(QStringLiteral("licenceLabel"));
    licence->setWordWrap(true);
    column->addWidget(licence);
    auto *heading = new QLabel(tr("Libraries in use"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    column->addWidget(heading);
    column->addLayout(buildLibraries());
    const QUrl readme = readmeUrl();
    auto *link = new QLabel(
        QStringLiteral("<a href=\"%1\">%2</a>")
            .arg(readme.toString(QUrl::FullyEncoded).toHtmlEscaped(), tr("Read the README").toHtmlEscaped()),
        this);
    link->setObjectName(QStringLiteral("readmeLink"));
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    link->setOpenExternalLinks(true);
    link->setToolTip(readme.toDisplayString());
    column->addWidget(link);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    column->addWidget(buttons);
}

QLayout *AboutDialog::buildHeader()
{
    auto *row = new QHBoxLayout;
    auto *icon = new QLabel(this);
    icon->setPixmap(
        ORImage::pixmap(QStringLiteral("org.sweepwright.Sweepwright"), QSize(64, 64), devicePixelRatioF()));
    row->addWidget(icon, 0, Qt::AlignTop);
    auto *texts = new QVBoxLayout;
    auto *name = new QLabel(QStringLiteral("Sweepwright"), this);
    QFont large = name->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    large.setBold(true);
    name->setFont(large);
    texts->addWidget(name);
    auto *version = new QLabel(tr("Version %1").arg(QStringLiteral(PROJECT_VERSION)), this);
    version->setObjectName(QStringLiteral("versionLabel"));
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    texts->addWidget(version);
    auto *summary =
        new QLabel(tr("Finds what takes room on a Linux desktop and removes what you choose."), this);
    summary->setWordWrap(true);
    texts->addWidget(summary);
    row->addLayout(texts, 1);
    return row;
}

QFormLayout *AboutDialog::buildLibraries()
{
    auto *form = new QFormLayout;
    for (const LibraryVersions::Library &library : LibraryVersions::inUse())
        addLibrary(form, library.name, library.version);
    const QString ghostscript = QStringLiteral("Ghostscript");
    addLibrary(form, ghostscript, tr("asking…"));
    auto *asking = new GhostscriptVersion(this);
    connect(asking, &GhostscriptVersion::answered, this,
            [label = m_versions.value(ghostscript)](const QString &text) { label->setText(text); });
    asking->ask(GhostscriptProgram::path());
    return form;
}

void AboutDialog::addLibrary(QFormLayout *form, const QString &name, const QString &version)
{
    auto *value = new QLabel(version, this);
    value->setObjectName(QStringLiteral("version") + name);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setAccessibleName(tr("%1 version").arg(name));
    auto *label = new QLabel(name, this);
    label->setBuddy(value);
    form->addRow(label, value);
    m_versions.insert(name, value);
}

QString AboutDialog::shownVersion(const QString &library) const
{
    const QLabel *label = m_versions.value(library);
    return label ? label->text() : QString();
}

QStringList AboutDialog::readmeFolders()
{
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/" SW_DOC_DIR_FROM_BIN),
            QStringLiteral("/usr/share/doc/sweepwright")};
}

QUrl AboutDialog::readmeUrl(const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QDir dir(folder);
        const QStringList found = dir.entryList({QStringLiteral("README*")}, QDir::Files, QDir::Name);
        if (!found.isEmpty())
            return QUrl::fromLocalFile(dir.filePath(found.first()));
    }
    return QUrl(QStringLiteral("https://sweepwright.org"));
}

} // namespace sw
