// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class ORPdfCompressViewCter;

// The PDF compressor's own window: a top-level window whose content is one
// compressor page, made when the window is. It is deleted when closed; a
// compression still running then is told to stop.
class ORPdfWindowCter : public QWidget
{
    Q_OBJECT
public:
    explicit ORPdfWindowCter(QWidget *parent = nullptr);

    ORPdfCompressViewCter *page() const { return m_page; }
    // Shows the window, raised and active.
    void showWindow();

private:
    ORPdfCompressViewCter *m_page = nullptr;
};
