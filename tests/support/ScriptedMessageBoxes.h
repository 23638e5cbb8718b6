#pragma once

#include "platform/MessageBoxes.h"

#include <QList>
#include <QStringList>

// Answers message boxes from a script, in order, and records every box shown.
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        QString title;
        QString text;
        Buttons buttons;
        Icon icon;
    };

    // Queues the answer for the next box that asks a question; boxes with only OK need none.
    void willAnswer(Answer answer) { answers_.append(answer); }
    Answer show(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
                Icon icon) override;

    const QList<Shown>& shown() const { return shown_; }
    QStringList texts() const;
    void clear();

private:
    QList<Answer> answers_;
    QList<Shown> shown_;
};
