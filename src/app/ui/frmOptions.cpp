#include "app/ui/frmOptions.h"

#include "app/core/AppCore.h"
#include "app/ui/NoticeBoxes.h"
#include "app/ui/OpenDialog.h"
#include "archive/core/RunDriver.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/Twips.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& text, int left)
{
    return Twips::create<QPushButton>(parent, QLatin1String(name), text, left, 2640, 1095, 375);
}

} // namespace

frmOptions::frmOptions(AppCore& core, const Seams& seams, QWidget* owner)
    : QDialog(owner)
    , core_(core)
    , seams_(seams)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Options"));
    setFixedSize(Twips::toPixels(this, 0, 0, 6135, 3135).size());

    txtExtract =
        addRow("Extract", tr("Location of Extract.exe:"), 120, Pick::ExtractTool, tr("Find Extract.exe"));
    txtVtlist = addRow("Vtlist", tr("Location of Vtlist.exe:"), 480, Pick::ListTool, tr("Find Vtlist.exe"));
    txtTemp = addRow("Temp", tr("Temp Directory:"), 840, Pick::Folder, tr("Find Temp Directory"));
    txtDest =
        addRow("Dest", tr("Destination Directory:"), 1200, Pick::Folder, tr("Find Destination Directory"));
    txtDefault = addRow("Default", tr("Default Palette:"), 1560, Pick::File, tr("Find Default Palette"));
    txtPalette =
        addRow("Palette", tr("Palette Directory:"), 1920, Pick::Folder, tr("Find Palette Directory"));
    auto* lblParallel = Twips::create<QLabel>(this, QStringLiteral("lblParallel"), tr("Parallel tool runs:"),
                                              120, 2325, 1695, 195);
    spnParallel = new QSpinBox(this);
    spnParallel->setObjectName(QStringLiteral("spnParallel"));
    spnParallel->setAccessibleName(tr("Parallel tool runs"));
    spnParallel->setRange(0, RunDriver::mostParallelRuns);
    spnParallel->setSpecialValueText(tr("One per core"));
    Twips::place(spnParallel, 1920, 2280, 1455, 285);
    lblParallel->setBuddy(spnParallel);
    captioned_.append(lblParallel);

    // Settings are always written at exit; the box only says so.
    Check1 = Twips::create<QCheckBox>(this, QStringLiteral("Check1"), tr("Save Settings On Exit"), 120, 2640,
                                      1935, 255);
    Check1->setChecked(true);
    Check1->setEnabled(false);
    cmdOk = button(this, "cmdOk", tr("OK"), 2520);
    cmdCancel = button(this, "cmdCancel", tr("Cancel"), 3720);
    cmdApply = button(this, "cmdApply", tr("Apply"), 4920);
    // QDialog's own Escape handling is the cancel button.
    cmdOk->setDefault(true);
    captioned_ += {Check1, cmdOk, cmdCancel, cmdApply};
    Twips::fitCaptions(captioned_);
    connect(cmdOk, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdApply, &QPushButton::clicked, this, &frmOptions::cmdApply_Click);

    const AppSettings& settings = core_.settings;
    txtDest->setText(settings.DestPath);
    txtExtract->setText(settings.ExtractPath);
    txtTemp->setText(settings.TempPath);
    txtVtlist->setText(settings.VtlistPath);
    txtDefault->setText(settings.DefaultPalette);
    txtPalette->setText(settings.PalettePath);
    spnParallel->setValue(settings.ParallelRuns);
    connect(spnParallel, &QSpinBox::valueChanged, this, [this] { cmdApply->setEnabled(true); });
    cmdApply->setEnabled(false);
}

QLineEdit* frmOptions::addRow(const char* name, const QString& caption, int top, Pick pick,
                              const QString& title)
{
    const QString suffix = QLatin1String(name);
    // Labels and buttons stand a little lower than their boxes, so their captions line up.
    auto* label =
        Twips::create<QLabel>(this, QStringLiteral("lbl") + suffix, caption, 120, top + 45, 1695, 195);
    auto* box =
        Twips::create<QLineEdit>(this, QStringLiteral("txt") + suffix, QString(), 1920, top, 3015, 285);
    auto* browseButton = Twips::create<QPushButton>(this, QStringLiteral("cmd") + suffix, tr("Browse"), 5040,
                                                    top + 15, 975, 255);
    label->setBuddy(box);
    browseButton->setAccessibleName(tr("Browse: %1").arg(caption.chopped(1)));
    captioned_ += {label, browseButton};
    // Only the box that changed counts: emptying one disables Apply even when others changed.
    connect(box, &QLineEdit::textChanged, this,
            [this](const QString& text) { cmdApply->setEnabled(!text.isEmpty()); });
    connect(browseButton, &QPushButton::clicked, this,
            [this, box, pick, title] { browse(box, pick, title); });
    return box;
}

void frmOptions::browse(QLineEdit* box, Pick pick, const QString& title)
{
    // The picker starts where the setting points: its folder, or the folder of its file.
    const QString setting = QDir::fromNativeSeparators(box->text());
    if (pick == Pick::Folder) {
        if (const std::optional<QString> folder = seams_.files.pickExistingFolder(this, title, setting))
            box->setText(QDir::toNativeSeparators(*folder));
        return;
    }
    const QString kind = pick == Pick::ExtractTool ? QStringLiteral("extract")
                         : pick == Pick::ListTool  ? QStringLiteral("vtlist")
                                                   : QStringLiteral("palette");
    const QString folder = setting.isEmpty() ? QString() : QFileInfo(setting).absolutePath();
    const std::optional<FilePicker::Picked> picked = ShowOpenDialog(seams_.files, this, kind, title, folder);
    if (!picked)
        return;
    // Any other file offered for a tool is ignored without a word.
    if (pick != Pick::File && picked->title.compare(kind + QStringLiteral(".exe"), Qt::CaseInsensitive) != 0)
        return;
    box->setText(QDir::toNativeSeparators(picked->path));
}

void frmOptions::cmdApply_Click()
{
    apply();
}

void frmOptions::cmdOK_Click()
{
    if (apply())
        accept();
}

bool frmOptions::apply()
{
    AppSettings edited = core_.settings;
    edited.ExtractPath = txtExtract->text();
    edited.VtlistPath = txtVtlist->text();
    edited.TempPath = txtTemp->text();
    edited.DestPath = txtDest->text();
    edited.DefaultPalette = txtDefault->text();
    edited.PalettePath = txtPalette->text();
    edited.ParallelRuns = spnParallel->value();
    if (const QString refusal = core_.outputRefusal(edited); !refusal.isEmpty()) {
        seams_.messages.warn(this, refusal);
        return false;
    }
    cmdApply->setEnabled(false);
    for (const AppCore::Notice& notice : core_.applyPaths(edited))
        NoticeBoxes(seams_.messages, this).show(notice);
    return true;
}
