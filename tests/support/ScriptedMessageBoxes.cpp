#include "support/ScriptedMessageBoxes.h"

#include <QtGlobal>

MessageBoxes::Answer ScriptedMessageBoxes::show(QWidget*, const QString& title, const QString& text,
                                                Buttons buttons, Icon icon)
{
    shown_.append({title, text, buttons, icon});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (answers_.isEmpty()) {
        qWarning("Unexpected question, answered Cancel: %s", qUtf8Printable(text));
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    return answers_.takeFirst();
}

QStringList ScriptedMessageBoxes::texts() const
{
    QStringList result;
    for (const Shown& box : shown_)
        result.append(box.text);
    return result;
}

void ScriptedMessageBoxes::clear()
{
    shown_.clear();
    answers_.clear();
}
