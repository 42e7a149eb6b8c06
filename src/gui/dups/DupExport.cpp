// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dups/DupExport.h"

#include "core/dups/DupResultCsv.h"
#include "core/dups/DupResultJson.h"
#include "gui/shell/FileChooser.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>

namespace sw {

QString DupExport::save(const QString &path, Format format, const ORDupData &data, const DupKeeper &keeper)
{
    const QByteArray bytes = format == Format::Csv ? DupResultCsv::write(data, DupResultCsv::keptBy(keeper))
                                                   : DupResultJson::write(data);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

void DupExport::choose(QWidget *window, std::shared_ptr<ORDupData> data, const DupKeeper &keeper)
{
    if (!data)
        return;
    QFileDialog *chooser = FileChooser::sheet(window, tr("Export the Result"));
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    chooser->setAcceptMode(QFileDialog::AcceptSave);
    const QString csv = tr("Table for spreadsheets (*.csv)");
    const QString json = tr("Saved result to open again (*.json)");
    chooser->setNameFilters({csv, json});
    chooser->setDefaultSuffix(QStringLiteral("csv"));
    QObject::connect(chooser, &QFileDialog::filterSelected, chooser, [chooser, csv](const QString &filter) {
        chooser->setDefaultSuffix(filter == csv ? QStringLiteral("csv") : QStringLiteral("json"));
    });
    QObject::connect(chooser, &QFileDialog::fileSelected, window, [window, chooser, csv, data, keeper](const QString &path) {
        const bool asJson = chooser->selectedNameFilter() != csv || path.endsWith(QLatin1String(".json"));
        const QString error = save(path, asJson ? Format::Json : Format::Csv, *data, keeper);
        if (error.isEmpty())
            return;
        auto *alert = new QMessageBox(QMessageBox::Warning, tr("Export the Result"),
                                      tr("The result could not be saved: %1").arg(error), QMessageBox::Ok, window);
        alert->setAttribute(Qt::WA_DeleteOnClose);
        alert->setWindowModality(Qt::WindowModal);
        alert->open();
    });
    chooser->open();
}

}  // namespace sw
