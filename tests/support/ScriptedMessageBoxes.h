#pragma once

#include "platform/ui/MessageBoxes.h"

#include <QList>
#include <QStringList>

// Answers message boxes from a script, in order, and records every box shown.
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        QString title;
        QString text;
        Buttons buttons;
        MessageIcon icon;
    };

    // Queues the answer for the next box that asks a question; boxes with only OK need none.
    void willAnswer(Answer answer) { answers_.append(answer); }
    Answer show(QWidget*, const QString& title, const QString& text, Buttons buttons,
                MessageIcon icon) override
    {
        shown_.append({title, text, buttons, icon});
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        if (!answers_.isEmpty())
            return answers_.takeFirst();
        qWarning("Unexpected question, answered Cancel: %s", qUtf8Printable(text));
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }

    const QList<Shown>& shown() const { return shown_; }
    QStringList texts() const
    {
        QStringList result;
        for (const Shown& box : shown_)
            result.append(box.text);
        return result;
    }
    void clear()
    {
        shown_.clear();
        answers_.clear();
    }

private:
    QList<Answer> answers_;
    QList<Shown> shown_;
};
