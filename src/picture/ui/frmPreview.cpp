#include "picture/ui/frmPreview.h"

#include "picture/core/BitmapReader.h"
#include "picture/core/PaletteCodec.h"
#include "picture/core/Palettes.h"
#include "picture/core/PictureState.h"
#include "picture/core/PictureZoom.h"
#include "picture/ui/PictureBox.h"
#include "picture/ui/PicturePrompts.h"
#include "platform/core/FileSystem.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/FilePicker.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/Twips.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QScreen>

namespace {

QList<QRgb> colourTable(const Palette& palette)
{
    QList<QRgb> table;
    table.reserve(qsizetype(palette.size()));
    for (const PaletteEntry& entry : palette)
        table.append(qRgb(entry.Red, entry.Green, entry.Blue));
    return table;
}

} // namespace

frmPreview::frmPreview(PictureState& state, MessageBoxes& messages, FilePicker& files, QWidget* parent)
    : ToolWindow(parent)
    , state_(state)
    , messages_(messages)
    , files_(files)
    , Picture1(new PictureBox(this))
    , menu_(new QMenu(this))
{
    setObjectName(QStringLiteral("frmPreview"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    setCentralWidget(Picture1);
    setWindowTitle(tr("Preview"));
    menu_->setObjectName(QStringLiteral("mnuPicture"));
    menu_->setAccessibleName(tr("Picture"));
    info_ = menu_->addAction(QString());
    info_->setObjectName(QStringLiteral("mnuPictureInfo"));
    info_->setEnabled(false);
    palettes_ = menu_->addMenu(tr("&Palette"));
    palettes_->setObjectName(QStringLiteral("mnuPalette"));
    paletteGroup_ = new QActionGroup(palettes_);
    saveAs_ = menu_->addAction(tr("Save &As..."), this, &frmPreview::saveAs);
    saveAs_->setObjectName(QStringLiteral("mnuSaveAs"));
    menu_->addSeparator();
    Picture1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Picture1, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { showPictureMenu(Picture1->viewport()->mapToGlobal(at)); });
    auto* menuKey = new QAction(tr("Picture Menu"), this);
    menuKey->setObjectName(QStringLiteral("mnuPictureMenu"));
    menuKey->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    connect(menuKey, &QAction::triggered, this, [this] {
        showPictureMenu(Picture1->viewport()->mapToGlobal(Picture1->viewport()->rect().center()));
    });
    addAction(menuKey);
    addZoomAction(QStringLiteral("mnuZoomIn"), tr("Zoom &In"),
                  {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, &frmPreview::zoomIn);
    addZoomAction(QStringLiteral("mnuZoomOut"), tr("Zoom &Out"), {QKeySequence::ZoomOut},
                  &frmPreview::zoomOut);
    addZoomAction(QStringLiteral("mnuActualSize"), tr("&Actual Size"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
                  &frmPreview::actualSize);
    addZoomAction(QStringLiteral("mnuFit"), tr("&Fit"), {QKeySequence(Qt::CTRL | Qt::Key_9)},
                  &frmPreview::fit);
    menu_->addActions(zoomActions_);
    connect(Picture1, &PictureBox::zoomAsked, this, [this](int steps, QPoint anchor) {
        for (int step = 0; step < std::abs(steps); ++step)
            zoomStep(steps > 0, anchor);
    });
    resize(Twips::toPixels(this, 0, 0, 4800, 3600).size());
}

void frmPreview::addZoomAction(const QString& name, const QString& text, const QList<QKeySequence>& keys,
                               void (frmPreview::*zoom)())
{
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcuts(keys);
    action->setEnabled(false);
    connect(action, &QAction::triggered, this, zoom);
    addAction(action);
    zoomActions_.append(action);
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
    zoom_ = resizeToFit ? 1 : 0;
    options_ = options;
    if (windowTitle() != zoomedCaption_)
        caption_ = windowTitle();
    PicturePrompts prompts(messages_, this);
    PictureConversion conversion(state_);
    const PictureConversion::Report report = prompts.convert(conversion, options);
    prompts.show(report.messages);
    recolourable_ = report.outcome == PictureConversion::Outcome::Converted;
    converted_ = shownWith_ = report.palette;
    // The file keeps the headers the conversion wrote and the palette it drew with.
    headers_ = state_.Bitmap;
    convertedPalette_ = shownPalette_ = state_.CurrentPalette;
    // Whatever the outcome, the window shows what the file holds now; a refused picture then fails
    // to load and says so too.
    showPic();
    recolourable_ = recolourable_ && loaded_.format() == QImage::Format_Indexed8;
    for (QAction* action : std::as_const(zoomActions_))
        action->setEnabled(!loaded_.isNull());
    updateCaption();
}

void frmPreview::showPic()
{
    const BusyCursor busy;
    loaded_ = LoadBitmapToDC(picturePath_);
    if (loaded_.isNull()) {
        Picture1->clear();
        return;
    }
    // The picture as loaded gives the size: a bitmap kept as it was has no converted size, and a
    // top-down one states its height as negative. The desktop adds its own borders around it.
    if (resizeToFit_)
        fitWindow(loaded_.size() * zoom_);
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

// Stretched to fill the box, or at the zoom with the box showing the part in view.
void frmPreview::drawScaled()
{
    if (loaded_.isNull())
        return;
    if (zoom_ == 0) {
        Picture1->setZoom(1);
        Picture1->setPicture(loaded_.scaled(Picture1->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    } else {
        Picture1->setPicture(loaded_);
        Picture1->setZoom(zoom_);
    }
}

void frmPreview::resizeEvent(QResizeEvent* event)
{
    ToolWindow::resizeEvent(event);
    if (zoom_ == 0)
        drawScaled();
}

void frmPreview::zoomIn()
{
    zoomStep(true, Picture1->viewport()->rect().center());
}

void frmPreview::zoomOut()
{
    zoomStep(false, Picture1->viewport()->rect().center());
}

void frmPreview::zoomStep(bool in, QPoint anchor)
{
    const QSize shown = zoom_ == 0 ? Picture1->size() : loaded_.size() * zoom_;
    const std::optional<int> zoom =
        in ? PictureZoom::larger(loaded_.size(), shown) : PictureZoom::smaller(loaded_.size(), shown);
    if (zoom)
        zoomTo(*zoom, anchor);
}

void frmPreview::actualSize()
{
    zoomTo(1, Picture1->viewport()->rect().center());
}

// Back to the stretch; with "Resize to Fit", the largest step that the screen holds whole.
void frmPreview::fit()
{
    zoomTo(resizeToFit_ ? PictureZoom::fitting(loaded_.size(), fittingInner(loaded_.size() * 16)) : 0,
           Picture1->viewport()->rect().center());
}

void frmPreview::zoomTo(int zoom, QPoint anchor)
{
    if (loaded_.isNull())
        return;
    QPoint kept;
    if (zoom_ == 0 && zoom > 0) {
        // From the stretch, the same point of the picture stays under the anchor.
        const QSize box = Picture1->size();
        kept = QPoint(int(qint64(anchor.x()) * loaded_.width() * zoom / std::max(1, box.width())),
                      int(qint64(anchor.y()) * loaded_.height() * zoom / std::max(1, box.height()))) -
               anchor;
    } else if (zoom > 0) {
        kept = PictureZoom::anchored(Picture1->offset(), anchor, zoom_, zoom);
    }
    zoom_ = zoom;
    // Sized first, so that the box needs no scroll bars on the way.
    if (resizeToFit_)
        fitWindow(loaded_.size() * zoom_);
    drawScaled();
    Picture1->scrollTo(kept);
    updateCaption();
}

bool frmPreview::isSpecifiedView() const
{
    return zoom_ == (resizeToFit_ ? 1 : 0);
}

void frmPreview::updateCaption()
{
    zoomedCaption_ = isSpecifiedView() ? QString() : tr("%1 — %2 %").arg(caption_).arg(zoom_ * 100);
    setWindowTitle(isSpecifiedView() ? caption_ : zoomedCaption_);
}

QSize frmPreview::fittingInner(QSize inner) const
{
    const QScreen* shown = screen();
    if (!shown)
        return inner;
    const QSize frame = frameGeometry().size() - size();
    return inner.boundedTo(shown->availableGeometry().size() - frame);
}

// Within the screen's available area, moved back into it when it would stick out; a larger picture
// gets scroll bars rather than a larger window.
void frmPreview::fitWindow(QSize inner)
{
    resize(fittingInner(inner));
    const QScreen* shown = screen();
    if (!shown)
        return;
    const QRect available = shown->availableGeometry();
    const QRect outer = frameGeometry();
    QPoint moved = outer.topLeft();
    moved.setX(std::max(available.left(), std::min(moved.x(), available.right() + 1 - outer.width())));
    moved.setY(std::max(available.top(), std::min(moved.y(), available.bottom() + 1 - outer.height())));
    if (moved != outer.topLeft())
        move(moved);
}

void frmPreview::showPictureMenu(QPoint global)
{
    info_->setText(loaded_.isNull()
                       ? tr("No picture")
                       : tr("%1 × %2, %3").arg(loaded_.width()).arg(loaded_.height()).arg(shownWith_.text()));
    palettes_->clear();
    palettes_->setEnabled(recolourable_);
    saveAs_->setEnabled(recolourable_);
    if (recolourable_) {
        const PaletteSearch& search = options_.search;
        const QList<PaletteChoices::Choice> choices = PaletteChoices::build(
            search.palettePath, PaletteChoices::filesIn(search.palettePath, search.searchSubfolders),
            search.listsRead ? search.listsRead() : QList<ListedPalette>(), converted_, shownWith_);
        for (const PaletteChoices::Choice& choice : choices) {
            QAction* action =
                palettes_->addAction(choice.label, this, [this, choice] { usePalette(choice); });
            action->setCheckable(true);
            action->setChecked(choice.current);
            paletteGroup_->addAction(action);
        }
    }
    menu_->popup(global);
}

// Drawn at once with the other palette; nothing is converted or written.
void frmPreview::usePalette(const PaletteChoices::Choice& choice)
{
    Palette palette = convertedPalette_;
    if (choice.colours) {
        palette = *choice.colours;
    } else if (choice.origin.reason == PaletteOrigin::Reason::Chosen) {
        QFile file(choice.origin.file);
        const QByteArray bytes =
            file.open(QIODevice::ReadOnly) ? file.read(PaletteCodec::fileSize) : QByteArray();
        const PaletteCodec::Decoded decoded = PaletteCodec::decode(bytes);
        if (!decoded.error.isEmpty()) {
            messages_.warn(
                this, tr("The palette file %1 cannot be used: %2.")
                          .arg(QDir::toNativeSeparators(choice.origin.file),
                               file.error() != QFileDevice::NoError ? file.errorString() : decoded.error));
            return;
        }
        palette = decoded.palette;
    }
    shownWith_ = choice.origin;
    shownPalette_ = palette;
    const QPoint scrolled = Picture1->offset();
    // The box shares the pixels; without it they would be copied to change the colours.
    Picture1->clear();
    loaded_.setColorTable(colourTable(palette));
    drawScaled();
    Picture1->scrollTo(scrolled);
}

void frmPreview::saveAs()
{
    const std::optional<QString> path =
        files_.pickNewFile(this, tr("Save Picture As"), tr("BMP Pictures (*.bmp);;PNG Pictures (*.png)"));
    if (!path)
        return;
    if (const QString refusal = options_.workFolder.outputRefusal(QFileInfo(*path).path());
        !refusal.isEmpty()) {
        messages_.warn(this, refusal);
        return;
    }
    const std::optional<PictureExport::Format> format = PictureExport::formatOf(*path);
    if (!format) {
        messages_.warn(this, tr("%1 is not saved: a picture is saved as BMP or PNG, under a name ending in "
                                "\".bmp\" or \".png\".")
                                 .arg(QDir::toNativeSeparators(*path)));
        return;
    }
    PictureExport exporter = options_.exportAs;
    exporter.format = *format;
    const QString failure = FileSystem::replaceWith(*path, [this, &exporter](QIODevice& out) {
        return exporter.write(loaded_, headers_, shownPalette_, out);
    });
    if (!failure.isEmpty())
        messages_.warn(this, tr("Cannot write %1: %2.").arg(QDir::toNativeSeparators(*path), failure));
}
