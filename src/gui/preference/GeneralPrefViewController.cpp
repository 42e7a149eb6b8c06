// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preference/GeneralPrefViewController.h"

#include "core/dups/ORDupDataCollection.h"
#include "core/foundation/AutostartEntries.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/foundation/ORUtility.h"
#include "core/mem/MemoryMonitor.h"
#include "core/platform/ORLayout.h"
#include "gui/controls/ORImage.h"
#include "gui/preference/PrefCheckBox.h"
#include "gui/shell/PageStyle.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QThreadPool>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

constexpr std::array<int, 3> kThresholds{70, 80, 90};

// The entry nearest to the stored threshold (the lower one on a tie).
int tagFor(qint64 percent)
{
    int best = 0;
    for (int tag = 1; tag < int(kThresholds.size()); ++tag)
        if (std::abs(kThresholds[tag] - percent) < std::abs(kThresholds[best] - percent))
            best = tag;
    return best;
}

QString appPath()
{
    return QCoreApplication::applicationFilePath();
}

}  // namespace

GeneralPrefViewController::GeneralPrefViewController(QWidget *parent)
    : PrefPane(parent),
      m_chkRunStartup(new PrefCheckBox(tr("Start Sweepwright when you log in"), QStringLiteral("chkRunStartup"), this)),
      m_chkAutoMem(new PrefCheckBox(tr("Release memory automatically when its use exceeds"),
                                    QStringLiteral("chkAutoMem"), this)),
      m_btnMemoryUsage(new QComboBox(this)),
      m_chkHashCache(new PrefCheckBox(tr("Remember file digests between duplicate scans"),
                                      QStringLiteral("chkHashCache"), this)),
      m_btnClearHashCache(new QPushButton(tr("Clear"), this)),
      m_hashCacheNote(sw::PageStyle::muted(tr("Unchanged files are not read again; copies are still compared byte "
                                              "by byte before they go."),
                                           this, 11))
{
    m_btnClearHashCache->setObjectName(QStringLiteral("btnClearHashCache"));
    m_btnClearHashCache->setAccessibleName(tr("Clear the remembered digests"));
    m_hashCacheNote->setObjectName(QStringLiteral("hashCacheNote"));
    m_hashCacheNote->setWordWrap(true);
    m_btnMemoryUsage->setObjectName(QStringLiteral("btnMemoryUsage"));
    for (const int percent : kThresholds)
        m_btnMemoryUsage->addItem(tr("%1 %").arg(percent));

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(32, 24, 32, 24);
    column->setSpacing(14);
    column->addWidget(m_chkRunStartup);
    auto *memoryRow = new QHBoxLayout;
    memoryRow->addWidget(m_chkAutoMem);
    memoryRow->addWidget(m_btnMemoryUsage);
    memoryRow->addStretch(1);
    column->addLayout(memoryRow);
    column->addWidget(sw::PageStyle::muted(tr("Memory use is checked every 30 seconds while Sweepwright runs."), this, 11));
    auto *cacheRow = new QHBoxLayout;
    cacheRow->addWidget(m_chkHashCache);
    cacheRow->addWidget(m_btnClearHashCache);
    cacheRow->addStretch(1);
    column->addLayout(cacheRow);
    column->addWidget(m_hashCacheNote);
    column->addStretch(1);

    m_chkRunStartup->setChecked(ORPrefConfig::autostartEnable());
    m_chkAutoMem->setChecked(ORPrefConfig::autoMemoryEnable());
    m_btnMemoryUsage->setEnabled(m_chkAutoMem->isChecked());
    m_btnMemoryUsage->setCurrentIndex(tagFor(ORPrefConfig::memoryUsageEnable()));
    // From here on the stored threshold is the pop-up's.
    onBtnMemoryUsage(m_btnMemoryUsage->currentIndex());
    const QString cacheKey = QString::fromLatin1(ORDupDataCollection::kHashCacheKey);
    m_chkHashCache->setChecked(!ORPrefConfig::hasStoredValue(cacheKey) || ORPrefConfig::boolForKey(cacheKey));

    connect(m_chkRunStartup, &QCheckBox::clicked, this, &GeneralPrefViewController::clickRunSysStartup);
    connect(m_chkAutoMem, &QCheckBox::clicked, this, &GeneralPrefViewController::onBtnAutoMemory);
    connect(m_btnMemoryUsage, &QComboBox::activated, this, &GeneralPrefViewController::onBtnMemoryUsage);
    connect(m_chkHashCache, &QCheckBox::clicked, this, &GeneralPrefViewController::onBtnHashCache);
    connect(m_btnClearHashCache, &QPushButton::clicked, this, &GeneralPrefViewController::clearHashCache);
}

QIcon GeneralPrefViewController::toolbarItemImage() const
{
    return ORImage::icon(QStringLiteral("NSPreferencesGeneral"));
}

void GeneralPrefViewController::clickRunSysStartup(bool on)
{
    ORPrefConfig::setAutostartEnable(on);
    if (!on)
        removeFromLoginItems(appPath());
    else if (!isApplicationInItemList(appPath()))
        ORUtility::addLoginItem(appPath(), QString::fromLatin1(sw::kAppName));
}

void GeneralPrefViewController::onBtnAutoMemory(bool on)
{
    ORPrefConfig::setAutoMemoryEnable(on);
    sw::MemoryMonitor::shareInstance().preferencesChanged();
    m_btnMemoryUsage->setEnabled(on);
}

void GeneralPrefViewController::onBtnMemoryUsage(int tag)
{
    if (tag >= 0 && tag < int(kThresholds.size()))
        ORPrefConfig::setMemoryUsageEnable(kThresholds[tag]);
}

void GeneralPrefViewController::onBtnHashCache(bool on)
{
    ORPrefConfig::setObject(QString::fromLatin1(ORDupDataCollection::kHashCacheKey), on);
}

void GeneralPrefViewController::clearHashCache()
{
    m_btnClearHashCache->setEnabled(false);
    QPointer<GeneralPrefViewController> self(this);
    QThreadPool::globalInstance()->start([self] {
        const bool cleared = ORDupDataCollection::clearHashCache();
        QMetaObject::invokeMethod(qApp, [self, cleared] {
            if (!self)
                return;
            self->m_btnClearHashCache->setEnabled(true);
            self->m_hashCacheNote->setText(cleared ? tr("The remembered digests are cleared.")
                                                   : tr("Could not clear %1.").arg(ORDupDataCollection::hashCachePath()));
            emit self->hashCacheCleared(cleared);
        });
    });
}

void GeneralPrefViewController::removeFromLoginItems(const QString &path)
{
    if (!isApplicationInItemList(path))
        return;
    // The program itself, or one inside its folder when it is a bundle.
    const sw::AutostartEntries entries;
    entries.remove(path);
    entries.removeWithPrefix(path + QLatin1Char('/'));
}

bool GeneralPrefViewController::isApplicationInItemList(const QString &path)
{
    const auto items = sw::AutostartEntries().list();
    return std::any_of(items.cbegin(), items.cend(), [&path](const sw::AutostartEntries::Item &item) {
        return item.path == path || item.path.startsWith(path + QLatin1Char('/'));
    });
}
