#pragma once

#include "platform/ui/ToolWindow.h"

#include <QList>

class QLabel;

// The palette tool window: a 16 by 16 grid of colour cells.
class frmPalette : public ToolWindow {
    Q_OBJECT

public:
    explicit frmPalette(QWidget* parent = nullptr);

    QList<QLabel*> lblPalette;
};
