// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/FolderDropView.h"

// The compressor's drop area: takes a drag only when every file in it is a
// PDF (by its extension, in any case) and posts the list as "pdffiledrop".
// Every open compressor window hears that notification, so the page asks
// tookDrop() to act only on drops into its own window.
class ORPdfDropView : public sw::FolderDropView
{
    Q_OBJECT
public:
    static constexpr char kDropped[] = "pdffiledrop";

    explicit ORPdfDropView(QWidget *parent = nullptr) : FolderDropView(QString::fromLatin1(kDropped), parent) {}

    // Whether the last "pdffiledrop" came from this view; answers once.
    bool tookDrop() { return std::exchange(m_dropped, false); }

protected:
    bool acceptsPaths(const QStringList &paths) const override
    {
        return std::all_of(paths.begin(), paths.end(),
                           [](const QString &path) { return path.toLower().endsWith(QLatin1String(".pdf")); });
    }
    void dropEvent(QDropEvent *event) override
    {
        m_dropped = true;
        FolderDropView::dropEvent(event);
    }

private:
    bool m_dropped = false;
};
