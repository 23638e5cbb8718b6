#include "preview/frmSound.h"

#include "archive/ToolRunner.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"
#include "preview/MediaControl.h"
#include "preview/SoundProgress.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QProgressBar>

frmSound::frmSound(const ToolRunner& runner, MessageBoxes& messages, QWidget* parent)
    : ToolWindow(parent)
    , runner_(runner)
    , messages_(messages)
{
    setObjectName(QStringLiteral("frmSound"));
    setWindowTitle(tr("Preview Sound File"));
    auto* area = new QWidget(this);
    setCentralWidget(area);
    mmcPreview = new MediaControl(area);
    mmcPreview->setObjectName(QStringLiteral("mmcPreview"));
    pgbPreview = new QProgressBar(area);
    pgbPreview->setObjectName(QStringLiteral("pgbPreview"));
    pgbPreview->setAccessibleName(tr("Played"));
    pgbPreview->setRange(0, 100);
    pgbPreview->setValue(0);
    Twips::place(mmcPreview, 0, 0, 3900, 420);
    Twips::place(pgbPreview, 0, 480, 3900, 255);
    resize(Twips::toPixels(this, 0, 0, 3900, 735).size());
    setFixedSize(size());

    connect(mmcPreview, &MediaControl::statusUpdate, this, &frmSound::mmcPreview_StatusUpdate);
    connect(mmcPreview, &MediaControl::done, mmcPreview, &MediaControl::prev);
    connect(mmcPreview, &MediaControl::failed, this, [this](const QString& reason) {
        messages_.warn(
            this,
            tr("Kadrillo cannot play %1: %2").arg(QDir::toNativeSeparators(mmcPreview->fileName()), reason));
    });
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
}

void frmSound::mmcPreview_StatusUpdate()
{
    pgbPreview->setValue(SoundProgress::percent(mmcPreview->position(), mmcPreview->length()));
}

void frmSound::closeEvent(QCloseEvent* event)
{
    mmcPreview->close();
    ToolWindow::closeEvent(event);
}
