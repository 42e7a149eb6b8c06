// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pdf/ORPdfWindowCter.h"

#include "gui/controls/ThemeFollower.h"
#include "gui/pdf/ORPdfCompressViewCter.h"

#include <QVBoxLayout>

ORPdfWindowCter::ORPdfWindowCter(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("pdfWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("PDF Compressor"));
    setAttribute(Qt::WA_StyledBackground);
    sw::ThemeFollower::style(this, QStringLiteral("#pdfWindow { background: @surface; }"));
    m_page = new ORPdfCompressViewCter(nullptr, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_page);
    resize(720, 560);
}

void ORPdfWindowCter::showWindow()
{
    show();
    raise();
    activateWindow();
}
