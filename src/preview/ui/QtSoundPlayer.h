#pragma once

#include "preview/ui/SoundPlayer.h"

class QAudioOutput;
class QMediaDevices;
class QMediaPlayer;

// Plays through Qt Multimedia on the default audio output, following it when devices come or go.
class QtSoundPlayer final : public SoundPlayer {
    Q_OBJECT

public:
    explicit QtSoundPlayer(QObject* parent = nullptr);

    void setSource(const QString& path) override;
    void play() override;
    void pause() override;
    void stop() override;
    void setPosition(qint64 position) override;
    qint64 position() const override;
    qint64 duration() const override;
    State state() const override;
    bool hasOutput() const override;

private:
    QMediaPlayer* player_;
    QAudioOutput* output_;
    QMediaDevices* devices_;
};
