// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preview/MediaPreview.h"

#include "gui/controls/ThemeFollower.h"
#include "gui/preview/FileIcon.h"

#include <QAudioOutput>
#include <QHBoxLayout>
#include <QLabel>
#include <QMediaPlayer>
#include <QSlider>
#include <QStackedWidget>
#include <QStyle>
#include <QTime>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>

namespace sw {

MediaPreview::MediaPreview(QWidget *parent) : QWidget(parent)
{
    m_player = new QMediaPlayer(this);
    m_audio = new QAudioOutput(this);
    m_player->setAudioOutput(m_audio);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_screen = new QStackedWidget(this);
    m_video = new QVideoWidget(m_screen);
    m_player->setVideoOutput(m_video);
    m_soundIcon = new QLabel(m_screen);
    m_soundIcon->setAlignment(Qt::AlignCenter);
    m_screen->addWidget(m_soundIcon);
    m_screen->addWidget(m_video);
    column->addWidget(m_screen, 1);
    column->addWidget(buildControls());

    connect(m_player, &QMediaPlayer::hasVideoChanged, this,
            [this](bool video) { m_screen->setCurrentWidget(video ? static_cast<QWidget *>(m_video) : m_soundIcon); });
    connect(m_player, &QMediaPlayer::durationChanged, this, [this](qint64 duration) {
        m_slider->setRange(0, int(qMin<qint64>(duration, INT_MAX)));
        showTime(m_player->position());
    });
    connect(m_player, &QMediaPlayer::positionChanged, this, [this](qint64 position) {
        if (!m_slider->isSliderDown())
            m_slider->setValue(int(qMin<qint64>(position, INT_MAX)));
        showTime(position);
    });
    connect(m_player, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState state) {
        const bool playing = state == QMediaPlayer::PlayingState;
        m_playButton->setIcon(style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
        m_playButton->setAccessibleName(playing ? tr("Pause") : tr("Play"));
    });
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error, const QString &text) {
        if (error == QMediaPlayer::NoError)
            return;
        qWarning("Cannot play %s: %s", qUtf8Printable(m_player->source().toLocalFile()), qUtf8Printable(text));
        stop();
        emit failed(tr("This file cannot be played."));
    });
}

QWidget *MediaPreview::buildControls()
{
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(12, 6, 12, 6);
    m_playButton = new QToolButton(bar);
    m_playButton->setObjectName(QStringLiteral("playButton"));
    m_playButton->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    m_playButton->setAutoRaise(true);
    m_playButton->setAccessibleName(tr("Play"));
    connect(m_playButton, &QToolButton::clicked, this, &MediaPreview::togglePlay);
    row->addWidget(m_playButton);
    m_slider = new QSlider(Qt::Horizontal, bar);
    m_slider->setAccessibleName(tr("Position"));
    connect(m_slider, &QSlider::sliderMoved, m_player, &QMediaPlayer::setPosition);
    row->addWidget(m_slider, 1);
    m_time = new QLabel(bar);
    ThemeFollower::style(m_time, QStringLiteral("color:@muted;"));
    row->addWidget(m_time);
    return bar;
}

void MediaPreview::setPath(const QString &path)
{
    m_player->stop();
    m_soundIcon->setPixmap(FileIcon::forPath(path).pixmap(QSize(200, 200), devicePixelRatioF()));
    m_screen->setCurrentWidget(m_soundIcon);
    m_slider->setRange(0, 0);
    m_player->setSource(QUrl::fromLocalFile(path));
    showTime(0);
}

void MediaPreview::play()
{
    if (!m_player->source().isEmpty())
        m_player->play();
}

void MediaPreview::stop()
{
    m_player->stop();
    m_player->setSource(QUrl());
}

void MediaPreview::togglePlay()
{
    if (m_player->playbackState() == QMediaPlayer::PlayingState)
        m_player->pause();
    else
        play();
}

void MediaPreview::showTime(qint64 position)
{
    const auto text = [](qint64 ms) {
        return QTime(0, 0).addMSecs(ms).toString(ms >= 3600 * 1000 ? QStringLiteral("h:mm:ss") : QStringLiteral("m:ss"));
    };
    m_time->setText(text(position) + QStringLiteral(" / ") + text(m_player->duration()));
}

void MediaPreview::hideEvent(QHideEvent *event)
{
    // Nothing plays on once its view is gone.
    m_player->pause();
    QWidget::hideEvent(event);
}

}  // namespace sw
