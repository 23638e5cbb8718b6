#include "picture/frmPreview.h"

#include "picture/Palettes.h"
#include "picture/PictureBox.h"
#include "picture/PicturePrompts.h"
#include "picture/PictureState.h"
#include "platform/BusyCursor.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <cmath>

namespace {
// What the design's window borders and caption take, in twips.
constexpr int borderWidthTwips = 180;
constexpr int borderHeightTwips = 420;
} // namespace

QImage LoadBitmapToDC(const QString& path)
{
    return QImage(path, "BMP");
}

frmPreview::frmPreview(PictureState& state, MessageBoxes& messages, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , state_(state)
    , messages_(messages)
    , Picture1(new PictureBox(this))
{
    setObjectName(QStringLiteral("frmPreview"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Preview"));
    resize(Twips::toPixels(this, 0, 0, 4800, 3600).size());
}

QSize frmPreview::fittedSizeTwips(int pictureWidth, int pictureHeight, double twipsPerPixelX,
                                  double twipsPerPixelY)
{
    return QSize(int(std::lround(pictureWidth * twipsPerPixelX)) + borderWidthTwips,
                 int(std::lround(pictureHeight * twipsPerPixelY)) + borderHeightTwips);
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
    // top-down one states its height as negative.
    if (resizeToFit_ && !loaded_.isNull()) {
        const QSize twips = fittedSizeTwips(loaded_.width(), loaded_.height(), Twips::perPixelX(this),
                                            Twips::perPixelY(this));
        const QSize outer = Twips::toPixels(this, 0, 0, twips.width(), twips.height()).size();
        // The desktop draws its own borders; what they take comes off the inner size.
        const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(0, 0);
        resize(outer - frame);
    }
}

void frmPreview::showPic()
{
    const BusyCursor busy;
    loaded_ = LoadBitmapToDC(picturePath_);
    if (loaded_.isNull()) {
        Picture1->clear();
        messages_.show(this, MessageBoxes::programTitle(), tr("error loading bitmap."),
                       MessageBoxes::Buttons::Ok, MessageBoxes::Icon::None);
        return;
    }
    drawScaled();
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
    QWidget::resizeEvent(event);
    Picture1->setGeometry(rect());
    if (!resizeToFit_)
        drawScaled();
}

void frmPreview::closeEvent(QCloseEvent* event)
{
    emit unloaded();
    event->accept();
}
