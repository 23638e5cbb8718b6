#include "preview/MediaControl.h"

#include <QAudioOutput>
#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>
#include <QUrl>

namespace {

QToolButton* button(QWidget* parent, const char* name, const QString& text, QStyle::StandardPixmap icon)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(text);
    button->setAccessibleName(text);
    button->setAutoRaise(false);
    return button;
}

} // namespace

MediaControl::MediaControl(QWidget* parent)
    : QWidget(parent)
    , rewindButton(button(this, "rewindButton", tr("Rewind"), QStyle::SP_MediaSkipBackward))
    , playButton(button(this, "playButton", tr("Play"), QStyle::SP_MediaPlay))
    , pauseButton(button(this, "pauseButton", tr("Pause"), QStyle::SP_MediaPause))
    , stopButton(button(this, "stopButton", tr("Stop"), QStyle::SP_MediaStop))
    , player_(new QMediaPlayer(this))
    , output_(new QAudioOutput(this))
{
    setAccessibleName(tr("Sound player"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (QToolButton* each : {rewindButton, playButton, pauseButton, stopButton})
        row->addWidget(each);
    row->addStretch();
    player_->setAudioOutput(output_);

    connect(rewindButton, &QToolButton::clicked, this, &MediaControl::prev);
    connect(playButton, &QToolButton::clicked, player_, &QMediaPlayer::play);
    connect(pauseButton, &QToolButton::clicked, player_, &QMediaPlayer::pause);
    connect(stopButton, &QToolButton::clicked, this, [this] {
        player_->stop();
        prev();
    });
    connect(player_, &QMediaPlayer::positionChanged, this, &MediaControl::statusUpdate);
    connect(player_, &QMediaPlayer::durationChanged, this, &MediaControl::statusUpdate);
    connect(player_, &QMediaPlayer::playbackStateChanged, this, &MediaControl::showState);
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia)
            emit done();
    });
    connect(player_, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error, const QString& reason) {
        // The player may give several reasons for one file; the first says it.
        if (isOpen() && !failedFile_) {
            failedFile_ = true;
            emit failed(reason);
        }
    });
    showState();
}

void MediaControl::open()
{
    if (openFile_ == fileName_)
        return;
    openFile_ = fileName_;
    failedFile_ = false;
    player_->setSource(QUrl::fromLocalFile(openFile_));
    showState();
}

void MediaControl::close()
{
    openFile_.clear();
    player_->stop();
    player_->setSource(QUrl());
    showState();
}

void MediaControl::prev()
{
    player_->setPosition(0);
}

qint64 MediaControl::length() const
{
    return isOpen() ? player_->duration() : 0;
}

qint64 MediaControl::position() const
{
    return isOpen() ? player_->position() : 0;
}

void MediaControl::showState()
{
    const QMediaPlayer::PlaybackState state = player_->playbackState();
    rewindButton->setEnabled(isOpen());
    playButton->setEnabled(isOpen() && state != QMediaPlayer::PlayingState);
    pauseButton->setEnabled(state == QMediaPlayer::PlayingState);
    stopButton->setEnabled(state != QMediaPlayer::StoppedState);
}
