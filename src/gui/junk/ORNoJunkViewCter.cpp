#include "ORNoJunkViewCter.h"

#include "ORImage.h"
#include "ORJunkFilesCollection.h"
#include "PageStyle.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace sw;

ORNoJunkViewCter::ORNoJunkViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ORBaseViewCter(delegate, parent), junkDataCollection(ORJunkFilesCollection::shareInstance())
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(48, 40, 48, 48);
    column->addStretch(2);
    auto *picture = new QLabel(this);
    picture->setPixmap(ORImage::pixmap(QStringLiteral("or_empty"), QSize(110, 110), devicePixelRatioF()));
    picture->setAlignment(Qt::AlignCenter);
    column->addWidget(picture);
    auto *title = PageStyle::heading(tr("No category was scanned"), this, 18);
    title->setAlignment(Qt::AlignCenter);
    column->addWidget(title);
    m_infoTextField = PageStyle::muted(QString(), this, 12);
    m_infoTextField->setObjectName(QStringLiteral("infoTextField"));
    m_infoTextField->setAlignment(Qt::AlignCenter);
    column->addWidget(m_infoTextField);
    column->addSpacing(24);
    m_button = PageStyle::primaryButton(tr("Back"), this);
    m_button->setObjectName(QStringLiteral("completeButton"));
    m_button->setMinimumWidth(140);
    connect(m_button, &QPushButton::clicked, this, &ORNoJunkViewCter::completeButton);
    column->addWidget(m_button, 0, Qt::AlignHCenter);
    column->addStretch(3);
}

void ORNoJunkViewCter::viewWillAppear()
{
    m_infoTextField->setText(tr("Preferences->Junk Clean: Select category"));
}

void ORNoJunkViewCter::viewDidAppear()
{
    butEnable(false);
}

void ORNoJunkViewCter::completeButton()
{
    junkDataCollection.startOver();
    butEnable(true);
    next(1);
}
