#include "preview/ui/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer(QObject* parent)
    : SoundPlayer(parent)
    , player_(new QMediaPlayer(this))
    , output_(new QAudioOutput(this))
    , devices_(new QMediaDevices(this))
{
    player_->setAudioOutput(output_);
    connect(player_, &QMediaPlayer::positionChanged, this, &SoundPlayer::positionChanged);
    connect(player_, &QMediaPlayer::durationChanged, this, &SoundPlayer::durationChanged);
    connect(player_, &QMediaPlayer::playbackStateChanged, this, &SoundPlayer::stateChanged);
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia)
            emit finished();
    });
    connect(player_, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString& reason) { emit failed(reason); });
    connect(devices_, &QMediaDevices::audioOutputsChanged, this, [this] {
        output_->setDevice(QMediaDevices::defaultAudioOutput());
        emit outputChanged();
    });
}

void QtSoundPlayer::setSource(const QString& path)
{
    player_->setSource(path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path));
}

void QtSoundPlayer::play()
{
    player_->play();
}

void QtSoundPlayer::pause()
{
    player_->pause();
}

void QtSoundPlayer::stop()
{
    player_->stop();
}

void QtSoundPlayer::setPosition(qint64 position)
{
    player_->setPosition(position);
}

qint64 QtSoundPlayer::position() const
{
    return player_->position();
}

qint64 QtSoundPlayer::duration() const
{
    return player_->duration();
}

SoundPlayer::State QtSoundPlayer::state() const
{
    switch (player_->playbackState()) {
    case QMediaPlayer::PlayingState:
        return State::Playing;
    case QMediaPlayer::PausedState:
        return State::Paused;
    case QMediaPlayer::StoppedState:
        break;
    }
    return State::Stopped;
}

bool QtSoundPlayer::hasOutput() const
{
    return !QMediaDevices::audioOutputs().isEmpty();
}
