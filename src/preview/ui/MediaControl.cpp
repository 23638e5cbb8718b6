#include "preview/ui/MediaControl.h"

#include "preview/ui/SoundPlayer.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

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

MediaControl::MediaControl(SoundPlayer* player, QWidget* parent)
    : QWidget(parent)
    , rewindButton(button(this, "rewindButton", tr("Rewind"), QStyle::SP_MediaSkipBackward))
    , playButton(button(this, "playButton", tr("Play"), QStyle::SP_MediaPlay))
    , pauseButton(button(this, "pauseButton", tr("Pause"), QStyle::SP_MediaPause))
    , stopButton(button(this, "stopButton", tr("Stop"), QStyle::SP_MediaStop))
    , player_(player)
{
    player_->setParent(this);
    setAccessibleName(tr("Sound player"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (QToolButton* each : {rewindButton, playButton, pauseButton, stopButton})
        row->addWidget(each);
    row->addStretch();

    connect(rewindButton, &QToolButton::clicked, this, &MediaControl::prev);
    connect(playButton, &QToolButton::clicked, this, &MediaControl::play);
    connect(pauseButton, &QToolButton::clicked, player_, &SoundPlayer::pause);
    connect(stopButton, &QToolButton::clicked, this, [this] {
        player_->stop();
        prev();
    });
    connect(player_, &SoundPlayer::positionChanged, this, &MediaControl::statusUpdate);
    connect(player_, &SoundPlayer::durationChanged, this, &MediaControl::statusUpdate);
    connect(player_, &SoundPlayer::stateChanged, this, &MediaControl::showState);
    connect(player_, &SoundPlayer::finished, this, &MediaControl::done);
    connect(player_, &SoundPlayer::failed, this, [this](const QString& reason) {
        // The player may give several reasons for one file; the first says it.
        if (isOpen() && failure_.isEmpty())
            setFailure(reason.isEmpty() ? tr("the player gives no reason") : reason);
    });
    connect(player_, &SoundPlayer::outputChanged, this, &MediaControl::problemChanged);
    showState();
}

void MediaControl::open()
{
    if (openFile_ == fileName_)
        return;
    openFile_ = fileName_;
    setFailure({});
    player_->setSource(openFile_);
    showState();
}

void MediaControl::close()
{
    openFile_.clear();
    setFailure({});
    player_->stop();
    player_->setSource({});
    showState();
}

void MediaControl::prev()
{
    player_->setPosition(0);
}

// A player that failed keeps its error until it is given the file anew.
void MediaControl::play()
{
    if (!failure_.isEmpty()) {
        setFailure({});
        player_->setSource({});
        player_->setSource(openFile_);
    }
    player_->play();
}

qint64 MediaControl::length() const
{
    return isOpen() ? player_->duration() : 0;
}

qint64 MediaControl::position() const
{
    return isOpen() ? player_->position() : 0;
}

bool MediaControl::hasOutput() const
{
    return player_->hasOutput();
}

void MediaControl::setFailure(const QString& reason)
{
    if (reason == failure_)
        return;
    failure_ = reason;
    emit problemChanged();
}

void MediaControl::showState()
{
    const SoundPlayer::State state = player_->state();
    rewindButton->setEnabled(isOpen());
    playButton->setEnabled(isOpen() && state != SoundPlayer::State::Playing);
    pauseButton->setEnabled(state == SoundPlayer::State::Playing);
    stopButton->setEnabled(state != SoundPlayer::State::Stopped);
}
