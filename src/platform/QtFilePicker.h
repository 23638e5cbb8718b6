#pragma once

#include "platform/FilePicker.h"

class QtFilePicker final : public FilePicker {
public:
    std::optional<Picked> pickExistingFile(QWidget* parent, const QString& title,
                                           const QString& filter) override;
};
