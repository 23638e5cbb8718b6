#pragma once

#include "platform/MessageBoxes.h"

class QtMessageBoxes final : public MessageBoxes {
public:
    Answer show(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
                Icon icon) override;
};
