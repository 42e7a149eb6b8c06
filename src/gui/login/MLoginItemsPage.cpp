#include "MLoginItemsPage.h"

#include "FileIcon.h"
#include "ORImage.h"
#include "ORLayout.h"
#include "PageStyle.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kRowHeight = 60;
constexpr int kIconSize = 50;
const QSize kSwitchSize(52, 32);

// The icon a row's desktop entry names (a theme name or a file), else the
// icon of the file the row stands for.
QIcon rowIcon(const sw::LoginItems::Row &row)
{
    const QString name = row.content.value(QStringLiteral("Icon"));
    if (QFileInfo(name).isAbsolute()) {
        const QIcon icon(name);
        if (!icon.availableSizes().isEmpty())
            return icon;
    } else if (!name.isEmpty()) {
        const QIcon icon = QIcon::fromTheme(name);
        if (!icon.isNull())
            return icon;
    }
    return sw::FileIcon::forPath(row.path);
}

}  // namespace

MLoginItemsPage::MLoginItemsPage(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ORBaseViewCter(delegate, parent)
{
    m_lblHeader = sw::PageStyle::heading(QString(), this);
    m_lblHeader->setObjectName(QStringLiteral("m_lblHeader"));
    m_lblHeaderDesc = sw::PageStyle::muted(QString(), this, 13);
    m_lblHeaderDesc->setObjectName(QStringLiteral("m_lblHeaderDesc"));

    m_tbLoginItems = new QTableWidget(0, 2, this);
    m_tbLoginItems->setObjectName(QStringLiteral("m_tbLoginItems"));
    m_tbLoginItems->setHorizontalHeaderLabels({QStringLiteral("Col0"), QStringLiteral("Col1")});
    m_tbLoginItems->horizontalHeader()->hide();
    m_tbLoginItems->verticalHeader()->hide();
    m_tbLoginItems->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_tbLoginItems->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    m_tbLoginItems->setColumnWidth(1, kSwitchSize.width() + 40);
    m_tbLoginItems->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_tbLoginItems->setShowGrid(false);
    m_tbLoginItems->setFrameShape(QFrame::NoFrame);
    m_tbLoginItems->setSelectionMode(QAbstractItemView::NoSelection);
    m_tbLoginItems->setFocusPolicy(Qt::NoFocus);
    m_tbLoginItems->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tbLoginItems->setAlternatingRowColors(true);
    m_tbLoginItems->setStyleSheet(
        QStringLiteral("QTableWidget { background: white; alternate-background-color: #f3f3f3; }"));

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(40, 30, 40, 20);
    column->setSpacing(6);
    column->addWidget(m_lblHeader);
    column->addWidget(m_lblHeaderDesc);
    column->addSpacing(14);
    column->addWidget(m_tbLoginItems, 1);
}

void MLoginItemsPage::viewWillAppear()
{
    getAllApps();
}

void MLoginItemsPage::getAllApps()
{
    m_items.getAllApps();
    reloadTable();
    showHeader();
}

// A row keeps its widgets across loads (rows never go away); each load
// refreshes what they show.
void MLoginItemsPage::reloadTable()
{
    const QList<sw::LoginItems::Row> &rows = m_items.rows();
    m_tbLoginItems->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        if (!m_tbLoginItems->cellWidget(row, 0))
            makeRowWidgets(row);
        QWidget *cell = m_tbLoginItems->cellWidget(row, 0);
        if (auto *icon = cell->findChild<QLabel *>(QStringLiteral("loginIcon")))
            icon->setPixmap(rowIcon(rows.at(row)).pixmap(kIconSize, kIconSize));
        if (auto *name = cell->findChild<QLabel *>(QStringLiteral("loginName"))) {
            name->setText(QStringLiteral("%1").arg(rows.at(row).name));
            name->setToolTip(rows.at(row).path);
        }
        showRowState(row);
    }
}

void MLoginItemsPage::makeRowWidgets(int row)
{
    auto *cell = new QWidget;
    auto *line = new QHBoxLayout(cell);
    line->setContentsMargins(12, 5, 12, 5);
    line->setSpacing(14);
    auto *icon = new QLabel(cell);
    icon->setObjectName(QStringLiteral("loginIcon"));
    icon->setFixedSize(kIconSize, kIconSize);
    auto *name = new QLabel(cell);
    name->setObjectName(QStringLiteral("loginName"));
    name->setTextInteractionFlags(Qt::NoTextInteraction);
    line->addWidget(icon);
    line->addWidget(name, 1);
    m_tbLoginItems->setCellWidget(row, 0, cell);

    auto *holder = new QWidget;
    auto *centre = new QHBoxLayout(holder);
    centre->setContentsMargins(0, 0, 0, 0);
    auto *toggle = new QPushButton(holder);
    toggle->setObjectName(QStringLiteral("loginSwitch"));
    toggle->setProperty("tag", row);
    toggle->setCheckable(true);
    toggle->setFlat(true);
    toggle->setFixedSize(kSwitchSize);
    // The switch image is square with the switch across its middle.
    toggle->setIconSize(QSize(kSwitchSize.width(), kSwitchSize.width()));
    toggle->setCursor(Qt::PointingHandCursor);
    toggle->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; }"));
    connect(toggle, &QPushButton::clicked, this, [this, toggle] { selectLoginItem(toggle); });
    centre->addWidget(toggle, 0, Qt::AlignCenter);
    m_tbLoginItems->setCellWidget(row, 1, holder);
}

void MLoginItemsPage::showRowState(int row)
{
    const bool on = m_items.rows().at(row).on;
    if (QWidget *holder = m_tbLoginItems->cellWidget(row, 1))
        if (auto *toggle = holder->findChild<QPushButton *>(QStringLiteral("loginSwitch"))) {
            toggle->setChecked(on);
            toggle->setIcon(ORImage::icon(on ? QStringLiteral("toggle_on") : QStringLiteral("toggle_oFF")));
            toggle->setAccessibleName(on ? tr("On") : tr("Off"));
        }
    if (QWidget *cell = m_tbLoginItems->cellWidget(row, 0))
        if (auto *name = cell->findChild<QLabel *>(QStringLiteral("loginName")))
            name->setStyleSheet(QStringLiteral("color: %1; font-size: 14px;")
                                    .arg(on ? QStringLiteral("black") : QString::fromLatin1(sw::PageStyle::kMuted)));
}

void MLoginItemsPage::selectLoginItem(QAbstractButton *button)
{
    const int row = button->property("tag").toInt();
    if (row < 0 || row >= m_items.rows().size())
        return;
    m_items.selectLoginItem(row, button->isChecked());
    showRowState(row);
    showHeader();
}

void MLoginItemsPage::showHeader()
{
    const qsizetype count = m_items.loginarray().size();
    if (count > 0) {
        const QString found = ORLayout::isMacOS() ? tr("Login Items Found on your Mac")
                                                  : tr("Login Items Found on your computer");
        m_lblHeader->setText(QStringLiteral("%1 %2").arg(count).arg(found));
        m_lblHeader->setStyleSheet(QStringLiteral("color: rgb(255, 21, 4);"));
        m_lblHeaderDesc->setText(tr("Boost your startup by managing Login Items."));
    } else {
        m_lblHeader->setText(tr("Great, No Login Items!"));
        m_lblHeader->setStyleSheet(QStringLiteral("color: rgb(57, 176, 223);"));
        m_lblHeaderDesc->setText(tr("That's what we love to see."));
    }
}
