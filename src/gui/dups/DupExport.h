// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dups/DupKeeper.h"
#include "core/foundation/ORDupData.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

class QWidget;

namespace sw {

// Saves a duplicate result through the desktop's file chooser, as CSV
// (DupResultCsv) or JSON (DupResultJson, which the folder page opens again)
// by the format chosen, and tells a failure in a sheet.
class DupExport
{
    Q_DECLARE_TR_FUNCTIONS(DupExport)

public:
    enum class Format { Csv, Json };

    // Asks where, then saves; keeper tells which copy of an unmarked group stays.
    static void choose(QWidget *window, std::shared_ptr<ORDupData> data, const DupKeeper &keeper);
    // Writes data at path atomically (a file written whole, then renamed over
    // path, so an older file there stays whole until the new one is); empty,
    // or why it could not.
    static QString save(const QString &path, Format format, const ORDupData &data, const DupKeeper &keeper);
};

}  // namespace sw
