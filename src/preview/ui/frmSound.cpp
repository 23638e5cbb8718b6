#include "preview/ui/frmSound.h"

#include "archive/core/ToolRunner.h"
#include "platform/ui/Twips.h"
#include "preview/core/SoundProgress.h"
#include "preview/ui/MediaControl.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>

frmSound::frmSound(const ToolRunner& runner, SoundPlayer* player, QWidget* parent)
    : ToolWindow(parent)
    , runner_(runner)
{
    setObjectName(QStringLiteral("frmSound"));
    setWindowTitle(tr("Preview Sound File"));
    auto* area = new QWidget(this);
    setCentralWidget(area);
    mmcPreview = new MediaControl(player, area);
    mmcPreview->setObjectName(QStringLiteral("mmcPreview"));
    pgbPreview = new QProgressBar(area);
    pgbPreview->setObjectName(QStringLiteral("pgbPreview"));
    pgbPreview->setAccessibleName(tr("Played"));
    pgbPreview->setRange(0, 100);
    pgbPreview->setValue(0);
    lblProblem = new QLabel(area);
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lblProblem->setAccessibleName(tr("Why the sound cannot be played"));
    lblProblem->setWordWrap(true);
    lblProblem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblProblem->hide();
    Twips::place(mmcPreview, 0, 0, 3900, 420);
    Twips::place(pgbPreview, 0, 480, 3900, 255);
    Twips::place(lblProblem, 0, 795, 3900, 255);
    setFixedSize(Twips::toPixels(this, 0, 0, 3900, 735).size());

    connect(mmcPreview, &MediaControl::statusUpdate, this, &frmSound::mmcPreview_StatusUpdate);
    connect(mmcPreview, &MediaControl::done, mmcPreview, &MediaControl::prev);
    connect(mmcPreview, &MediaControl::problemChanged, this, &frmSound::showProblem);
}

// Shown counts as activated: some desktops never activate a new window.
bool frmSound::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        Form_Activate();
    return ToolWindow::event(event);
}

// Shown from its menu before any sound was previewed, the window has nothing to open.
void frmSound::Form_Activate()
{
    mmcPreview->setFileName(runner_.workFolder().sound());
    if (QFileInfo::exists(mmcPreview->fileName()))
        mmcPreview->open();
    showProblem();
}

void frmSound::mmcPreview_StatusUpdate()
{
    pgbPreview->setValue(SoundProgress::percent(mmcPreview->position(), mmcPreview->length()));
}

// The window keeps its designed size while all is well, and grows to say what is not.
void frmSound::showProblem()
{
    QString text;
    if (!mmcPreview->failure().isEmpty())
        text = tr("Kadrillo cannot play %1: %2")
                   .arg(QDir::toNativeSeparators(mmcPreview->fileName()), mmcPreview->failure());
    else if (mmcPreview->isOpen() && !mmcPreview->hasOutput())
        text = tr("This computer has no audio output device, so the sound cannot be heard.");
    lblProblem->setText(text);
    lblProblem->setVisible(!text.isEmpty());
    const QRect design = Twips::toPixels(this, 0, 0, 3900, 735);
    if (text.isEmpty()) {
        setFixedSize(design.size());
        return;
    }
    lblProblem->resize(design.width(), lblProblem->heightForWidth(design.width()));
    setFixedSize(design.width(), lblProblem->geometry().bottom() + 1);
}

void frmSound::closeEvent(QCloseEvent* event)
{
    mmcPreview->close();
    ToolWindow::closeEvent(event);
}
