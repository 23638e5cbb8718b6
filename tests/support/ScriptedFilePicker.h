#pragma once

#include "platform/ui/FilePicker.h"

#include <QFileInfo>
#include <QList>

// Answers file and folder pickers from a script, in order (none queued: cancelled), recording each.
class ScriptedFilePicker final : public FilePicker {
public:
    struct Asked {
        QString title;
        QString filter;
        bool folder = false;
        QString startFolder;
    };

    void willPick(const QString& path) { answers_.append(Picked{path, QFileInfo(path).fileName()}); }
    void willCancel() { answers_.append(std::nullopt); }
    std::optional<Picked> pickExistingFile(QWidget*, const QString& title, const QString& filter,
                                           const QString& folder) override
    {
        asked_.append({title, filter, false, folder});
        return answers_.isEmpty() ? std::nullopt : answers_.takeFirst();
    }
    std::optional<QString> pickExistingFolder(QWidget*, const QString& title, const QString& folder) override
    {
        asked_.append({title, QString(), true, folder});
        const std::optional<Picked> answer = answers_.isEmpty() ? std::nullopt : answers_.takeFirst();
        return answer ? std::optional(answer->path) : std::nullopt;
    }
    std::optional<QString> pickNewFile(QWidget* parent, const QString& title, const QString& filter) override
    {
        const std::optional<Picked> answer = pickExistingFile(parent, title, filter, QString());
        return answer ? std::optional(answer->path) : std::nullopt;
    }
    const QList<Asked>& asked() const { return asked_; }

private:
    QList<std::optional<Picked>> answers_;
    QList<Asked> asked_;
};
