#include "preview/ui/frmPalette.h"

#include "platform/ui/Twips.h"

#include <QLabel>

frmPalette::frmPalette(QWidget* parent)
    : ToolWindow(parent)
{
    setObjectName(QStringLiteral("frmPalette"));
    setWindowTitle(tr("Palette"));
    setCentralWidget(new QWidget(this));
    for (int k = 0; k < 256; ++k) {
        auto* cell = new QLabel(centralWidget());
        cell->setObjectName(QStringLiteral("lblPalette"));
        cell->setFrameShape(QFrame::Box);
        Twips::place(cell, 120 * (k % 16), 120 * (k / 16), 135, 135);
        lblPalette.append(cell);
    }
    setFixedSize(Twips::toPixels(this, 0, 0, 120 * 15 + 135, 120 * 15 + 135).size());
}
