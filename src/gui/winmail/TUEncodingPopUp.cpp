#include "TUEncodingPopUp.h"

#include "EncodingList.h"
#include "ORPrefConfig.h"

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
    const auto entries = sw::EncodingList::popUpEntries();
    for (const auto &entry : entries) {
        if (entry.value == 0 && count() > 0)
            insertSeparator(count());
        addItem(entry.title, QVariant::fromValue<qint64>(entry.value));
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
