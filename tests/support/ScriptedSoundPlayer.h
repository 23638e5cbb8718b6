#pragma once

#include "preview/ui/SoundPlayer.h"

#include <QStringList>

// A player that plays nothing in real time: the test says how far it has played, when it ends or
// fails, and whether there is an audio output; it records the sources it was given ("" for none).
class ScriptedSoundPlayer final : public SoundPlayer {
    Q_OBJECT

public:
    void setSource(const QString& path) override
    {
        sources.append(path);
        reach(0, 0);
        setState(State::Stopped);
    }
    void play() override { setState(State::Playing); }
    void pause() override { setState(State::Paused); }
    void stop() override { setState(State::Stopped); }
    void setPosition(qint64 position) override { reach(position, duration_); }
    qint64 position() const override { return position_; }
    qint64 duration() const override { return duration_; }
    State state() const override { return state_; }
    bool hasOutput() const override { return output_; }

    void reach(qint64 position, qint64 duration)
    {
        position_ = position;
        duration_ = duration;
        emit durationChanged();
        emit positionChanged();
    }
    void end()
    {
        setState(State::Stopped);
        emit finished();
    }
    void fail(const QString& reason)
    {
        setState(State::Stopped);
        emit failed(reason);
    }
    void setOutput(bool present)
    {
        output_ = present;
        emit outputChanged();
    }

    QStringList sources;

private:
    void setState(State state)
    {
        state_ = state;
        emit stateChanged();
    }

    qint64 duration_ = 0;
    qint64 position_ = 0;
    State state_ = State::Stopped;
    bool output_ = true;
};
