#pragma once

#include "platform/ui/MessageBoxes.h"

class QtMessageBoxes final : public MessageBoxes {
public:
    Answer show(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
                MessageIcon icon) override;
};
