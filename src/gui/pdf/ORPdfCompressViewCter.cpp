#include "ORPdfCompressViewCter.h"

ORPdfCompressViewCter::ORPdfCompressViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ORBaseViewCter(delegate, parent)
{
    setObjectName(QStringLiteral("pdfCompressPage"));
}
