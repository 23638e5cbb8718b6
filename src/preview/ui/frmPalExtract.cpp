#include "preview/ui/frmPalExtract.h"

#include "archive/core/ToolRunner.h"
#include "picture/core/PaletteExtraction.h"
#include "picture/core/PictureState.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

frmPalExtract::frmPalExtract(const Settings& settings, const PictureState& pictures, const ToolRunner& runner,
                             MessageBoxes& messages, std::function<QString()> currentName, QWidget* parent)
    : QDialog(parent)
    , settings_(settings)
    , pictures_(pictures)
    , runner_(runner)
    , messages_(messages)
    , currentName_(std::move(currentName))
{
    setObjectName(QStringLiteral("frmPalExtract"));
    setWindowTitle(tr("Palette Extractor"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Twips::toPixels(this, 0, 0, 6615, 5295).size());
    auto* heading = Twips::create<QLabel>(this, "Label1", tr("Extract palettes from:"), 120, 120, 1815, 255);
    lblName = Twips::create<QLabel>(this, "lblName", tr("Filename"), 2040, 120, 2055, 255);
    lblStatus = Twips::create<QLabel>(this, "lblStatus", tr("Palette 1 of 1"), 120, 480, 2055, 255);
    auto* index = Twips::create<QLabel>(this, "Label3", tr("Palette Index:"), 120, 855, 1095, 255);
    txtIndex = Twips::create<QLineEdit>(this, "txtIndex", QString(), 1260, 795, 975, 315);
    txtIndex->setReadOnly(true);
    txtIndex->setAccessibleName(tr("Palette Index"));
    index->setBuddy(txtIndex);
    cmdPrev = Twips::create<QPushButton>(this, "cmdPrev", tr("&<"), 2400, 795, 495, 315);
    cmdPrev->setAccessibleName(tr("Previous palette"));
    cmdNext = Twips::create<QPushButton>(this, "cmdNext", tr("&>"), 2940, 795, 495, 315);
    cmdNext->setAccessibleName(tr("Next palette"));
    for (int k = 0; k < 256; ++k) {
        auto* cell = Twips::create<QLabel>(this, "lblPalette", QString(), 120 + 240 * (k % 16),
                                           1200 + 240 * (k / 16), 255, 255);
        cell->setAutoFillBackground(true);
        lblPalette.append(cell);
    }
    auto* target = Twips::create<QLabel>(this, "Label2", tr("Extract to:"), 4200, 1200, 2295, 255);
    optPal = Twips::create<QRadioButton>(this, "optPal", tr("Palette Directory"), 4200, 1500, 2295, 300);
    optDest =
        Twips::create<QRadioButton>(this, "optDest", tr("Destination Directory"), 4200, 1860, 2295, 300);
    chkAdd = Twips::create<QCheckBox>(this, "chkAdd", tr("&Add PPL name"), 4200, 2280, 2295, 300);
    cmdExtractAll =
        Twips::create<QPushButton>(this, "cmdExtractAll", tr("Extract A&ll"), 4200, 3720, 1215, 375);
    cmdExtractAll->setAccessibleName(tr("Extract all palettes"));
    cmdExtract = Twips::create<QPushButton>(this, "cmdExtract", tr("&Extract"), 4200, 4200, 1215, 375);
    cmdOK = Twips::create<QPushButton>(this, "cmdOK", tr("OK"), 4200, 4680, 1215, 375);
    Twips::fitCaptions({heading, lblName, lblStatus, index, target, optPal, optDest, chkAdd, cmdExtractAll,
                        cmdExtract, cmdOK});
    cmdPrev->setEnabled(false);
    cmdNext->setEnabled(false);
    setExtractEnabled(false);

    connectControls();
    chkAdd->setChecked(settings_.addPpl);
    optDest->click();
}

void frmPalExtract::connectControls()
{
    connect(optPal, &QRadioButton::clicked, this, [this] { TargetFolder = settings_.palettePath; });
    connect(optDest, &QRadioButton::clicked, this, [this] { TargetFolder = settings_.destPath; });
    connect(chkAdd, &QCheckBox::toggled, this, [this](bool checked) { settings_.addPpl = checked; });
    connect(cmdPrev, &QPushButton::clicked, this, [this] {
        CurrentIndex = std::max(0, CurrentIndex - 1);
        showPalette();
    });
    connect(cmdNext, &QPushButton::clicked, this, [this] {
        CurrentIndex = std::min(int(PplPalettes.size()) - 1, CurrentIndex + 1);
        showPalette();
    });
    connect(cmdExtract, &QPushButton::clicked, this, &frmPalExtract::cmdExtract_Click);
    connect(cmdExtractAll, &QPushButton::clicked, this, &frmPalExtract::extractAll);
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
}

QString frmPalExtract::load(const QString& listName)
{
    QFile file(runner_.workFolder().paletteList());
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    const PaletteListCodec::Decoded list = PaletteListCodec::decode(file.readAll());
    if (!list.error.isEmpty())
        return list.error;
    PplPalettes = list.palettes;
    CurrentIndex = 0;
    setExtractEnabled(true);
    showPalette();
    lblName->setText(listName);
    return {};
}

void frmPalExtract::showPalette()
{
    const PaletteListCodec::PplPalette& shown = PplPalettes.at(CurrentIndex);
    for (int k = 0; k < 256; ++k) {
        const PaletteEntry& entry = shown.Colors[std::size_t(k)];
        QPalette colours = lblPalette[k]->palette();
        colours.setColor(QPalette::Window, QColor(entry.Red, entry.Green, entry.Blue));
        lblPalette[k]->setPalette(colours);
    }
    txtIndex->setText(QString::number(shown.Id));
    lblStatus->setText(tr("Palette %1 of %2").arg(CurrentIndex + 1).arg(PplPalettes.size()));
    cmdPrev->setEnabled(CurrentIndex > 0);
    cmdNext->setEnabled(CurrentIndex < PplPalettes.size() - 1);
}

// The list's name is read from the main window when Extract is pressed: its selection may have
// moved since the load.
std::optional<QString> frmPalExtract::chosenFolder()
{
    const QString listName = currentName_();
    const PaletteExtraction::Folder folder =
        PaletteExtraction::folderFor(TargetFolder, listName, settings_.addPpl);
    if (!folder.refusal.isEmpty()) {
        messages_.warn(this, tr("The palettes of %1 cannot be extracted: %2.").arg(listName, folder.refusal));
        return std::nullopt;
    }
    if (!outsideWorkFolder(folder.path))
        return std::nullopt;
    return folder.path;
}

void frmPalExtract::cmdExtract_Click()
{
    const std::optional<QString> folder = chosenFolder();
    if (!folder)
        return;
    setExtractEnabled(false);
    const QString error =
        PaletteExtraction::write(*folder, pictures_.PaletteHeader, PplPalettes.at(CurrentIndex));
    emit palettesWritten(error.isEmpty() ? 1 : 0, *folder);
    if (!error.isEmpty())
        messages_.warn(this, error);
    setExtractEnabled(true);
}

void frmPalExtract::extractAll()
{
    const std::optional<QString> chosen = chosenFolder();
    if (!chosen)
        return;
    const QString& folder = *chosen;
    setExtractEnabled(false);
    const PaletteExtraction::Summary summary =
        PaletteExtraction::writeAll(folder, pictures_.PaletteHeader, PplPalettes);
    emit palettesWritten(int(summary.written.size()), folder);
    QString text = tr("%1 of %2 palettes written to %3")
                       .arg(summary.written.size())
                       .arg(PplPalettes.size())
                       .arg(QDir::toNativeSeparators(folder));
    if (!summary.written.isEmpty())
        text += QLatin1String(":\n") + summary.written.join(QLatin1String(", "));
    text += QLatin1Char('.');
    if (!summary.failures.isEmpty())
        text += QLatin1String("\n\n") + tr("Not written:") + QLatin1Char('\n') +
                summary.failures.join(QLatin1Char('\n'));
    messages_.show(this, MessageBoxes::programTitle(), text, MessageBoxes::Buttons::Ok,
                   summary.failures.isEmpty() ? MessageIcon::Information : MessageIcon::Exclamation);
    setExtractEnabled(true);
}

bool frmPalExtract::outsideWorkFolder(const QString& folder)
{
    const QString refusal = runner_.workFolder().outputRefusal(folder);
    if (!refusal.isEmpty())
        messages_.warn(this, refusal);
    return refusal.isEmpty();
}

void frmPalExtract::setExtractEnabled(bool enabled)
{
    cmdExtract->setEnabled(enabled);
    cmdExtractAll->setEnabled(enabled);
}

void frmPalExtract::reject()
{
    close();
}

void frmPalExtract::closeEvent(QCloseEvent* event)
{
    emit unloaded();
    event->accept();
}
