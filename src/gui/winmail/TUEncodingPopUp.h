// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

// The pop-up of file-name encodings on the archive page: every encoding the
// converter knows, by name, then "Detect automatically" (0). It shows the
// "filenameEncoding" setting and stores the user's choice there.
class TUEncodingPopUp : public QComboBox
{
    Q_OBJECT
public:
    explicit TUEncodingPopUp(QWidget *parent = nullptr);

    // Fills the list, with "Detect automatically" after a separator at the end.
    void buildEncodingListWithAutoDetect();
    // Selects the item of that encoding value; 0, or a value not listed, the last item.
    void selectEncoding(qint64 value);
    qint64 selectedEncoding() const;
};
