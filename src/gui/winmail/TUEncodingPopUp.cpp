// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/winmail/TUEncodingPopUp.h"

#include "core/foundation/ORPrefConfig.h"
#include "core/winmail/names/EncodingList.h"

namespace {
const QString kEncodingKey = QStringLiteral("filenameEncoding");
}

TUEncodingPopUp::TUEncodingPopUp(QWidget *parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("encodingPopUp"));
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    setMaxVisibleItems(20);
    buildEncodingListWithAutoDetect();
    selectEncoding(ORPrefConfig::integerForKey(kEncodingKey));
    connect(this, &QComboBox::activated, this,
            [this] { ORPrefConfig::setObject(kEncodingKey, selectedEncoding()); });
}

void TUEncodingPopUp::buildEncodingListWithAutoDetect()
{
    clear();
    const QList<sw::EncodingList::PopUpItem> items = sw::EncodingList::shared().popUpItems();
    for (const sw::EncodingList::PopUpItem &item : items) {
        if (item.value == 0 && count() > 0)
            insertSeparator(count());
        addItem(item.title, QVariant::fromValue<qint64>(item.value));
    }
}

void TUEncodingPopUp::selectEncoding(qint64 value)
{
    const int index = value == 0 ? -1 : findData(QVariant::fromValue<qint64>(value));
    setCurrentIndex(index >= 0 ? index : count() - 1);
}

qint64 TUEncodingPopUp::selectedEncoding() const
{
    return currentData().toLongLong();
}
