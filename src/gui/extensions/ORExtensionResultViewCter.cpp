#include "ORExtensionResultViewCter.h"

#include "ExtNotifications.h"
#include "ORImage.h"

#include <QStackedWidget>

using namespace sw;

ORExtensionResultViewCter::ORExtensionResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ResultPage(delegate, parent,
                 Texts{{tr("Extensions"), tr("Do you want to clean the selected extension?"),
                        extnote::kRemove, ExtensionsPage, ExtensionsRemovalPage},
                       tr("Extensions"),
                       extnote::kShowGroup})
{
    // Each category is ticked on its own: there is no select-all.
    autoSelectButton()->hide();
    // An empty category shows a note instead of an empty list.
    m_itemStack = new QStackedWidget(this);
    delete itemPaneLayout()->replaceWidget(itemObject(), m_itemStack);
    m_itemNoView = new QWidget(m_itemStack);
    m_itemNoView->setObjectName(QStringLiteral("itemNoView"));
    auto *empty = new QVBoxLayout(m_itemNoView);
    empty->addStretch(1);
    auto *picture = new QLabel(m_itemNoView);
    picture->setPixmap(ORImage::pixmap(QStringLiteral("or_empty"), QSize(96, 96), devicePixelRatioF()));
    picture->setAlignment(Qt::AlignCenter);
    empty->addWidget(picture);
    auto *text = PageStyle::muted(tr("Nothing of this kind is installed."), m_itemNoView, 12);
    text->setAlignment(Qt::AlignCenter);
    empty->addWidget(text);
    empty->addStretch(2);
    m_itemStack->addWidget(itemObject());
    m_itemStack->addWidget(m_itemNoView);
    setReadingOrder({gTableView(), itemObject()->itemTableView(), startOverBut(), delBut()});
}

void ORExtensionResultViewCter::groupAnnounced(ORExtGroup *group)
{
    ResultPage::groupAnnounced(group);
    const bool empty = !group || group->groupItems.isEmpty();
    m_itemStack->setCurrentWidget(empty ? m_itemNoView : static_cast<QWidget *>(itemObject()));
}

void ORExtensionResultViewCter::updateGroupCheckStatus(int groupRow, int)
{
    ResultPage::updateGroupCheckStatus(groupRow);
}
