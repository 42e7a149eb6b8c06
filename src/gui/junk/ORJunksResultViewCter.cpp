#include "ORJunksResultViewCter.h"

#include "ORImage.h"
#include "PageStyle.h"

#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace sw;

ORJunksResultViewCter::ORJunksResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ResultPage(delegate, parent,
                 Texts{tr("Categories"), tr("Junk Clean"), tr("Do you want to delete the selected junk files?"),
                       QStringLiteral("getjunks"), QStringLiteral("deljunks"), 1, 3})
{
    // An empty category shows a note instead of an empty list.
    m_itemStack = new QStackedWidget(this);
    itemPaneLayout()->replaceWidget(itemObject(), m_itemStack);
    m_itemNoView = new QWidget(m_itemStack);
    m_itemNoView->setObjectName(QStringLiteral("itemNoView"));
    auto *empty = new QVBoxLayout(m_itemNoView);
    empty->addStretch(1);
    auto *picture = new QLabel(m_itemNoView);
    picture->setPixmap(ORImage::pixmap(QStringLiteral("or_empty"), QSize(96, 96), devicePixelRatioF()));
    picture->setAlignment(Qt::AlignCenter);
    empty->addWidget(picture);
    auto *text = PageStyle::muted(tr("Nothing to clean in this category."), m_itemNoView, 12);
    text->setAlignment(Qt::AlignCenter);
    empty->addWidget(text);
    empty->addStretch(2);
    m_itemStack->addWidget(itemObject());
    m_itemStack->addWidget(m_itemNoView);
}

void ORJunksResultViewCter::groupAnnounced(ORJunkDataGroup &group)
{
    m_itemStack->setCurrentWidget(group.groupItems.isEmpty() ? m_itemNoView : static_cast<QWidget *>(itemObject()));
}

void ORJunksResultViewCter::updateJunkGroupCheckStatus(int groupRow, int)
{
    updateGroupCheckStatus(groupRow);
}
