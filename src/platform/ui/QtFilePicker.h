#pragma once

#include "platform/ui/FilePicker.h"

class QtFilePicker final : public FilePicker {
public:
    std::optional<Picked> pickExistingFile(QWidget* parent, const QString& title, const QString& filter,
                                           const QString& folder) override;
    std::optional<QString> pickExistingFolder(QWidget* parent, const QString& title,
                                              const QString& folder) override;
    std::optional<QString> pickNewFile(QWidget* parent, const QString& title, const QString& filter) override;
};
