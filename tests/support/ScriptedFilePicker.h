#pragma once

#include "platform/FilePicker.h"

#include <QList>

// Answers file pickers from a script, in order (nothing queued: cancelled), and records each call.
class ScriptedFilePicker final : public FilePicker {
public:
    struct Asked {
        QString title;
        QString filter;
    };

    void willPick(const QString& path);
    void willCancel() { answers_.append(std::nullopt); }
    std::optional<Picked> pickExistingFile(QWidget* parent, const QString& title,
                                           const QString& filter) override;

    const QList<Asked>& asked() const { return asked_; }

private:
    QList<std::optional<Picked>> answers_;
    QList<Asked> asked_;
};
