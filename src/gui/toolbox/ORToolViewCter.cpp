// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/toolbox/ORToolViewCter.h"

#include "gui/controls/ORDotView.h"
#include "gui/controls/ORImage.h"
#include "gui/controls/ThemeColors.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/preview/ViewerFactory.h"
#include "gui/shell/PageNumber.h"
#include "gui/shell/PageStyle.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

using namespace sw;

namespace {

// A tile narrows down to the width of its title, so four fit in a row in the
// smallest window.
constexpr int kTileWidth = 208;
constexpr int kImageSide = 80;

// A tile answers Return and Enter as well as Space: a QPushButton outside a
// dialog only takes Space, which leaves keyboard users guessing.
class ToolTile : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (!event->isAutoRepeat() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

QPixmap iconPixmap(const QIcon &icon, const QWidget *widget, QIcon::Mode mode = QIcon::Normal)
{
    return icon.pixmap(QSize(kImageSide, kImageSide), widget->devicePixelRatioF(), mode);
}

// The entry's own icon (a theme name or a file), else the generic one of the
// theme, else our toolbox image.
QIcon toolIcon(const QString &entryIcon, const QString &generic)
{
    QIcon icon;
    if (!entryIcon.isEmpty())
        icon = QDir::isAbsolutePath(entryIcon) ? (QFileInfo(entryIcon).isFile() ? QIcon(entryIcon) : QIcon())
                                               : QIcon::fromTheme(entryIcon);
    if (icon.isNull())
        icon = QIcon::fromTheme(generic);
    if (icon.isNull())
        icon = ORImage::icon(QStringLiteral("or_toolbox_icon"));
    return icon;
}

}  // namespace

ORToolViewCter::ORToolViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ORBaseViewCter(delegate, parent)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(32, 30, 32, 30);
    column->setSpacing(10);
    column->addWidget(PageStyle::heading(tr("Toolbox"), this));
    column->addWidget(PageStyle::muted(tr("Make PDF files smaller, or open the desktop's own tools for this "
                                          "computer, its disks and its extensions."),
                                       this, 12));
    column->addStretch(1);

    activityButton = makeTile(QStringLiteral("activityButton"), tr("PDF Compressor"), &activityImageView, &monitorView);
    systemButton = makeTile(QStringLiteral("systemButton"), tr("System Information"), &systemImageView, &sysView);
    diskButton = makeTile(QStringLiteral("diskButton"), tr("Disk Utility"), &DiskImageView, &diskView);
    ORDotView *extensionsDot = nullptr;
    extensionsButton = makeTile(QStringLiteral("extensionsButton"), tr("Extensions"), &extensionsImageView, &extensionsDot);
    extensionsDot->hide();  // the extensions tile has no colour of its own

    auto *row = new QHBoxLayout;
    row->setSpacing(14);
    row->addStretch(0);
    for (QPushButton *tile : {activityButton, systemButton, diskButton, extensionsButton})
        row->addWidget(tile, 1);
    row->addStretch(0);
    column->addLayout(row);
    column->addStretch(2);

    connect(activityButton, &QPushButton::clicked, this, &ORToolViewCter::openActivity);
    connect(systemButton, &QPushButton::clicked, this, &ORToolViewCter::openSystenInfo);
    connect(diskButton, &QPushButton::clicked, this, &ORToolViewCter::openDiskUtility);
    connect(extensionsButton, &QPushButton::clicked, this, &ORToolViewCter::openExtensions);

    activityImageView->setPixmap(ORImage::pixmap(QStringLiteral("or_pdf"), QSize(kImageSide, kImageSide),
                                                 devicePixelRatioF()));
    monitorView->or_DotBackgroundColor(ThemeColors::of(ThemeColors::SeriesIndigo));
    sysView->or_DotBackgroundColor(ThemeColors::of(ThemeColors::SeriesPink));
    diskView->or_DotBackgroundColor(ThemeColors::of(ThemeColors::SeriesSky));
    refreshTools();
}

ORToolViewCter::~ORToolViewCter()
{
    // The compressor window belongs to this page; it does not outlive it.
    if (m_pdfWindowCter)
        m_pdfWindowCter->close();
}

QPushButton *ORToolViewCter::makeTile(const QString &objectName, const QString &title, QLabel **image,
                                      ORDotView **dot)
{
    auto *tile = new ToolTile(this);
    tile->setObjectName(objectName);
    tile->setAccessibleName(title);
    tile->setMaximumWidth(kTileWidth);
    tile->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    tile->setCursor(Qt::PointingHandCursor);
    tile->setFocusPolicy(Qt::StrongFocus);
    ThemeFollower::style(
        tile, QStringLiteral("QPushButton { background:@card; border:1px solid @border; border-radius:16px; }"
                             "QPushButton:hover { border-color:@accent; }"
                             "QPushButton:pressed { background:@accentTint; }"
                             "QPushButton:focus { border:2px solid @accentFocus; }"
                             "QPushButton:disabled { background:@field; border-color:@separator; }"
                             "QLabel { border:none; background:transparent; color:@text; }"
                             "QLabel:disabled { color:@disabledText; }"));

    auto *layout = new QVBoxLayout(tile);
    layout->setSizeConstraint(QLayout::SetMinimumSize);  // never narrower than its title
    layout->setContentsMargins(10, 22, 10, 20);
    layout->setSpacing(12);
    *image = new QLabel(tile);
    (*image)->setFixedSize(kImageSide, kImageSide);
    (*image)->setAlignment(Qt::AlignCenter);
    layout->addWidget(*image, 0, Qt::AlignHCenter);
    layout->addSpacing(40);

    auto *titleRow = new QHBoxLayout;
    titleRow->setSpacing(6);
    titleRow->addStretch(1);
    *dot = new ORDotView(tile);
    (*dot)->setFixedSize(10, 10);
    titleRow->addWidget(*dot, 0, Qt::AlignVCenter);
    auto *label = new QLabel(title, tile);
    QFont font = label->font();
    font.setPointSize(11);
    font.setWeight(QFont::DemiBold);
    label->setFont(font);
    titleRow->addWidget(label, 0, Qt::AlignVCenter);
    titleRow->addStretch(1);
    layout->addLayout(titleRow);

    // The tile takes every click, not the labels on it.
    for (QWidget *child : tile->findChildren<QWidget *>())
        child->setAttribute(Qt::WA_TransparentForMouseEvents);
    return tile;
}

void ORToolViewCter::viewWillAppear()
{
    refreshTools();
}

void ORToolViewCter::refreshTools()
{
    m_systemInfo = SystemTools::find(SystemTools::Tool::SystemInformation);
    m_diskUtility = SystemTools::find(SystemTools::Tool::DiskUtility);
    m_extensions = SystemTools::find(SystemTools::Tool::Extensions);
    showTool(systemButton, systemImageView, m_systemInfo, QStringLiteral("computer"));
    showTool(diskButton, DiskImageView, m_diskUtility, QStringLiteral("drive-harddisk"));

    // Without the desktop's extensions tool, the tile leads to our own page.
    extensionsButton->setEnabled(true);
    extensionsButton->setToolTip(m_extensions ? m_extensions->name : tr("Open the Extensions page"));
    extensionsImageView->setPixmap(
        m_extensions ? iconPixmap(toolIcon(m_extensions->icon, QStringLiteral("application-x-addon")), this)
                     : ORImage::pixmap(QStringLiteral("or_extension_icon"), QSize(kImageSide, kImageSide),
                                       devicePixelRatioF()));
}

void ORToolViewCter::showTool(QPushButton *tile, QLabel *image, const std::optional<SystemTools::Found> &tool,
                              const QString &genericIcon)
{
    tile->setEnabled(tool.has_value());
    tile->setToolTip(tool ? tool->name : tr("Not installed"));
    image->setPixmap(iconPixmap(toolIcon(tool ? tool->icon : QString(), genericIcon), this,
                                tool ? QIcon::Normal : QIcon::Disabled));
}

QWidget *ORToolViewCter::pdfWindowCter() const
{
    return m_pdfWindowCter;
}

void ORToolViewCter::openActivity()
{
    QString error;
    sw::ViewerFactory *viewers = sw::viewerFactory(&error);
    if (!viewers) {
        alert(tr("The PDF compressor cannot be opened: its plugin is missing or broken.\n\n%1").arg(error));
        return;
    }
    // A new window at every click, with a fresh page; the last one goes.
    if (m_pdfWindowCter)
        m_pdfWindowCter->close();
    m_pdfWindowCter = viewers->makePdfCompressorWindow();
    m_pdfWindowCter->show();
    m_pdfWindowCter->raise();
    m_pdfWindowCter->activateWindow();
}

void ORToolViewCter::openSystenInfo()
{
    start(m_systemInfo);
}

void ORToolViewCter::openDiskUtility()
{
    start(m_diskUtility);
}

void ORToolViewCter::openExtensions()
{
    if (m_extensions)
        start(m_extensions);
    else
        next(ExtensionsPage);
}

void ORToolViewCter::start(const std::optional<SystemTools::Found> &tool)
{
    if (!tool)
        return;  // its tile is disabled
    if (!tool->command.isEmpty()) {
        const QString error = SystemTools::launch(*tool);
        if (!error.isEmpty())
            alert(error);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(tool->path)))
        alert(tr("%1 could not be opened.").arg(tool->name));
}

void ORToolViewCter::alert(const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Toolbox"), text, QMessageBox::Ok, window());
    box->setObjectName(QStringLiteral("toolAlert"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}
