#include "picture/ui/frmPreview.h"

#include "picture/core/BitmapReader.h"
#include "picture/core/Palettes.h"
#include "picture/core/PictureState.h"
#include "picture/ui/PictureBox.h"
#include "picture/ui/PicturePrompts.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/Twips.h"

frmPreview::frmPreview(PictureState& state, MessageBoxes& messages, QWidget* parent)
    : ToolWindow(parent)
    , state_(state)
    , messages_(messages)
    , Picture1(new PictureBox(this))
{
    setObjectName(QStringLiteral("frmPreview"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    setCentralWidget(Picture1);
    setWindowTitle(tr("Preview"));
    resize(Twips::toPixels(this, 0, 0, 4800, 3600).size());
}

void frmPreview::Form_Load(const QString& basePalette)
{
    state_.PaletteFile = basePalette;
    PicturePrompts(messages_, this).show(Palettes(state_).ReadPalette());
}

void frmPreview::loadPic(const PictureConversion::Options& options, bool resizeToFit)
{
    Picture1->clear();
    picturePath_ = options.workFolder.picture();
    resizeToFit_ = resizeToFit;
    PicturePrompts prompts(messages_, this);
    PictureConversion conversion(state_);
    prompts.show(prompts.convert(conversion, options).messages);
    // Whatever the outcome, the window shows what the file holds now; a refused picture then fails
    // to load and says so too.
    showPic();
    // The picture as loaded gives the size: a bitmap kept as it was has no converted size, and a
    // top-down one states its height as negative. The desktop adds its own borders around it.
    if (resizeToFit_ && !loaded_.isNull())
        resize(loaded_.size());
}

void frmPreview::showPic()
{
    const BusyCursor busy;
    loaded_ = LoadBitmapToDC(picturePath_);
    if (loaded_.isNull()) {
        Picture1->clear();
        return;
    }
    drawScaled();
}

QImage frmPreview::LoadBitmapToDC(const QString& path)
{
    BitmapReader reader(path);
    const QImage loaded = reader.read();
    if (reader.tooLarge())
        messages_.warn(this, tr("This picture is too large to show (%1 × %2).")
                                 .arg(reader.size().width())
                                 .arg(reader.size().height()));
    else if (loaded.isNull())
        messages_.show(this, MessageBoxes::programTitle(), tr("error loading bitmap."),
                       MessageBoxes::Buttons::Ok, MessageIcon::None);
    return loaded;
}

// At its own size, or scaled to fill the box.
void frmPreview::drawScaled()
{
    if (loaded_.isNull())
        return;
    if (resizeToFit_)
        Picture1->setPicture(loaded_);
    else
        Picture1->setPicture(loaded_.scaled(Picture1->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

void frmPreview::resizeEvent(QResizeEvent* event)
{
    ToolWindow::resizeEvent(event);
    if (!resizeToFit_)
        drawScaled();
}
