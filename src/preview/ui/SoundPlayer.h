#pragma once

#include <QObject>
#include <QString>

// What the sound window plays through: the platform's player, or one that tests script. Times are
// in milliseconds.
class SoundPlayer : public QObject {
    Q_OBJECT

public:
    enum class State { Stopped, Playing, Paused };

    using QObject::QObject;

    // An empty path lets go of the sound held.
    virtual void setSource(const QString& path) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual void setPosition(qint64 position) = 0;
    virtual qint64 position() const = 0;
    // 0 while not known.
    virtual qint64 duration() const = 0;
    virtual State state() const = 0;
    // Whether the computer has a device the sound can be heard on.
    virtual bool hasOutput() const = 0;

signals:
    void positionChanged();
    void durationChanged();
    void stateChanged();
    // Playing has reached the end of the sound.
    void finished();
    // The sound cannot be played, and why.
    void failed(const QString& reason);
    // An audio output device came or went.
    void outputChanged();
};
