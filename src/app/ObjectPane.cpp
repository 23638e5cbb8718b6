#include "app/ObjectPane.h"

#include "app/ObjectList.h"
#include "platform/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

template <typename Widget>
Widget* make(QWidget* parent, const char* name, const QString& text, int left, int top, int width, int height)
{
    auto* widget = new Widget(text, parent);
    widget->setObjectName(QLatin1String(name));
    Twips::place(widget, left, top, width, height);
    return widget;
}

QPushButton* command(QWidget* parent, const char* name, const QString& text, int left, int top)
{
    auto* button = make<QPushButton>(parent, name, text, left, top, 1095, 495);
    button->setEnabled(false);
    return button;
}

} // namespace

ObjectPane::ObjectPane(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame1"));
    setFrameShape(QFrame::NoFrame);

    Label1 = make<QLabel>(this, "Label1", tr("Objects in VOL file:"), 0, 0, 1350, 195);
    lstList = new ObjectList(this);
    lstList->setObjectName(QStringLiteral("lstList"));
    lstList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstList->setUniformItemSizes(true);
    lstList->setSortingEnabled(false);
    Twips::place(lstList, 0, 240, 2415, 3960);
    Label1->setBuddy(lstList);

    cmdSelect = command(this, "cmdSelect", tr("Select All"), 2640, 240);
    cmdNone = command(this, "cmdNone", tr("Select None"), 2640, 840);
    cmdPreview = command(this, "cmdPreview", tr("Preview"), 2640, 1440);
    cmdExtract = command(this, "cmdExtract", tr("Extract"), 3960, 240);
    cmdPalette = command(this, "cmdPalette", tr("Extract Palettes"), 3960, 840);
    cmdConvert = command(this, "cmdConvert", tr("Convert"), 3960, 1440);

    Frame2 = make<QGroupBox>(this, "Frame2", tr("Stats"), 2640, 2280, 2415, 1935);
    Label2 = make<QLabel>(Frame2, "Label2", tr("Number of files in the VOL file:"), 120, 240, 2130, 195);
    lblFiles = make<QLabel>(Frame2, "lblFiles", QStringLiteral("######"), 120, 480, 630, 195);
    Label4 = make<QLabel>(Frame2, "Label4", tr("Number of files selected:"), 120, 720, 1740, 195);
    lblSelected = make<QLabel>(Frame2, "lblSelected", QStringLiteral("######"), 120, 960, 630, 195);
    Twips::fitCaptions({Label1, cmdSelect, cmdNone, cmdPreview, cmdExtract, cmdPalette, cmdConvert, Frame2,
                        Label2, lblFiles, Label4, lblSelected});
}
