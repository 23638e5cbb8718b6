#include "support/ScriptedFilePicker.h"

#include <QFileInfo>

void ScriptedFilePicker::willPick(const QString& path)
{
    answers_.append(Picked{path, QFileInfo(path).fileName()});
}

std::optional<FilePicker::Picked> ScriptedFilePicker::pickExistingFile(QWidget*, const QString& title,
                                                                       const QString& filter)
{
    asked_.append({title, filter});
    return answers_.isEmpty() ? std::nullopt : answers_.takeFirst();
}
