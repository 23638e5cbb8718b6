#include "app/ui/frmAbout.h"

#include "platform/core/ProgramPaths.h"
#include "platform/ui/DesktopOpener.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace {

template <typename Widget>
Widget* make(QWidget* parent, const char* name, const QString& text, int left, int top, int width, int height)
{
    auto* widget = Twips::create<Widget>(parent, QLatin1String(name), text, left, top, width, height);
    widget->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
              int height, double points = 0)
{
    auto* widget = make<QLabel>(parent, name, text, left, top, width, height);
    widget->setWordWrap(true);
    if (points > 0) {
        QFont font = widget->font();
        font.setPointSizeF(points);
        widget->setFont(font);
    }
    return widget;
}

} // namespace

frmAbout::frmAbout(const Seams& seams, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , seams_(seams)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Kadrillo"));
    setModal(true);
    setFixedSize(Twips::toPixels(this, 0, 0, 6735, 3855).size());

    Frame1 = make<QGroupBox>(this, "Frame1", QString(), 120, 120, 6495, 2895);
    Frame1->setAccessibleName(tr("About Kadrillo"));
    Label1 = label(Frame1, "Label1", QStringLiteral("Kadrillo"), 120, 240, 3375, 495, 24);
    lblVersion = label(Frame1, "lblVersion", QString(), 3600, 390, 975, 360, 13.5);
    lblVersion->setWordWrap(false);
    Label2 = label(
        Frame1, "Label2",
        tr("Opens Starsiege archives, previews their pictures, sounds and scripts, and extracts palettes."),
        120, 840, 6255, 615, 12);
    Label3 =
        label(Frame1, "Label3", tr("Written by the Kadrillo developers for the game's modding community."),
              120, 1560, 6255, 255);
    Label4 =
        label(Frame1, "Label4", tr("Archives are read by the game's own tools, vtlist.exe and extract.exe."),
              120, 1860, 6255, 255);
    Label5 =
        label(Frame1, "Label5", tr("Questions and bug reports: the issue tracker of the Kadrillo project."),
              120, 2160, 6255, 255);
    Label6 =
        label(Frame1, "Label6", tr("Made by players for players; not connected with the game's publisher."),
              120, 2460, 6255, 255);
    cmdReadme = make<QPushButton>(this, "cmdReadme", tr("&Read Me"), 1980, 3120, 1335, 615);
    cmdOK = make<QPushButton>(this, "cmdOK", tr("&OK"), 3420, 3120, 1335, 615);
    cmdOK->setDefault(true);
    Twips::fitCaptions({Label3, Label4, Label5, Label6, cmdReadme, cmdOK});

    if (owner)
        move(owner->geometry().center() - rect().center());
    connect(cmdReadme, &QPushButton::clicked, this, &frmAbout::cmdReadme_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

QString frmAbout::versionText()
{
    return tr("Version %1.%2.%3")
        .arg(KADRILLO_VERSION_MAJOR)
        .arg(KADRILLO_VERSION_MINOR)
        .arg(KADRILLO_VERSION_PATCH);
}

void frmAbout::Form_Load()
{
    lblVersion->setText(versionText());
    lblVersion->setAccessibleName(lblVersion->text());
    // The number is wider than its place at this size; it grows to the right, into the free space.
    lblVersion->resize(qMax(lblVersion->width(), lblVersion->sizeHint().width()), lblVersion->height());
}

// The viewer runs on its own; the box stays open and does not wait for it.
void frmAbout::cmdReadme_Click()
{
    const QString readme = ProgramPaths::readmePath();
    if (!seams_.desktop.open(QUrl::fromLocalFile(readme)))
        seams_.messages.show(this, MessageBoxes::programTitle(),
                             tr("The read-me could not be opened: the desktop has no program that shows "
                                "\"%1\".\n\nOpen it with a text editor of your choice.")
                                 .arg(readme),
                             MessageBoxes::Buttons::Ok, MessageIcon::Exclamation);
}

void frmAbout::cmdOK_Click()
{
    accept();
}
