// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QAudioOutput;
class QLabel;
class QMediaPlayer;
class QSlider;
class QStackedWidget;
class QToolButton;
class QVideoWidget;

namespace sw {

// Plays an audio or video file: the picture (or, for sound only, the file's
// icon) above a play/pause button, a position slider and the time. The
// player decodes on its own threads; a file it cannot play fails.
class MediaPreview : public QWidget
{
    Q_OBJECT
public:
    explicit MediaPreview(QWidget *parent = nullptr);

    Q_INVOKABLE void setPath(const QString &path);
    Q_INVOKABLE void play();
    // Stops playing and lets go of the file.
    Q_INVOKABLE void stop();
    QMediaPlayer *player() const { return m_player; }

signals:
    void failed(const QString &reason);

protected:
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *buildControls();
    void showTime(qint64 position);
    void togglePlay();

    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_audio = nullptr;
    QStackedWidget *m_screen = nullptr;
    QVideoWidget *m_video = nullptr;
    QLabel *m_soundIcon = nullptr;
    QToolButton *m_playButton = nullptr;
    QSlider *m_slider = nullptr;
    QLabel *m_time = nullptr;
};

}  // namespace sw
