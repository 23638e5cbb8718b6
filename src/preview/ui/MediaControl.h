#pragma once

#include <QWidget>

class QToolButton;
class SoundPlayer;

// A sound player with its own row of buttons (rewind, play, pause, stop). A sound file is held
// open from open() until close(); nothing plays until the user presses play.
class MediaControl : public QWidget {
    Q_OBJECT

public:
    // Plays through `player`, which it takes over.
    explicit MediaControl(SoundPlayer* player, QWidget* parent = nullptr);

    void setFileName(const QString& path) { fileName_ = path; }
    const QString& fileName() const { return fileName_; }
    // Opens the file named; does nothing while that file is already open.
    void open();
    // Stops and lets go of the file.
    void close();
    // Back to the start of the sound.
    void prev();
    bool isOpen() const { return !openFile_.isEmpty(); }

    // In milliseconds; 0 while nothing is open or the length is not known yet.
    qint64 length() const;
    qint64 position() const;
    // Why the open file cannot be played, or an empty text; play retries it.
    const QString& failure() const { return failure_; }
    // Whether the computer has a device the sound can be heard on.
    bool hasOutput() const;

    QToolButton* rewindButton;
    QToolButton* playButton;
    QToolButton* pauseButton;
    QToolButton* stopButton;

signals:
    // The position or the length has changed.
    void statusUpdate();
    // Playing has reached the end of the sound.
    void done();
    // failure() or hasOutput() has changed.
    void problemChanged();

private:
    void play();
    void setFailure(const QString& reason);
    void showState();

    SoundPlayer* player_;
    QString fileName_;
    QString openFile_;
    QString failure_;
};
