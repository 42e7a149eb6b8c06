#pragma once

#include "ORBaseViewCter.h"

// The PDF compressor's page: the drop area, then the result of one
// compression with its quality choice, preview, save and mail.
class ORPdfCompressViewCter : public ORBaseViewCter
{
    Q_OBJECT
public:
    explicit ORPdfCompressViewCter(ORBasedViewCterDelegate *delegate = nullptr, QWidget *parent = nullptr);
};
