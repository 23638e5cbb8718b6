#include "picture/frmContactSheet.h"

#include "archive/ToolRunner.h"
#include "picture/ContactSheet.h"
#include "picture/ContactSheetJob.h"
#include "picture/ContactSheetView.h"
#include "platform/FilePicker.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>

frmContactSheet::frmContactSheet(MessageBoxes& messages, FilePicker& files, const ToolRunner& runner,
                                 QWidget* parent)
    : QMainWindow(parent)
    , messages_(messages)
    , files_(files)
    , runner_(runner)
    , sheet_(std::make_unique<ContactSheet>(font()))
    , view_(new ContactSheetView)
    , status_(new QLabel(this))
{
    setObjectName(QStringLiteral("frmContactSheet"));
    setWindowTitle(tr("Contact Sheet"));
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("sheetArea"));
    scroll->setAccessibleName(tr("Contact sheet"));
    scroll->setWidget(view_);
    setCentralWidget(scroll);
    auto* bar = addToolBar(tr("Contact sheet"));
    bar->setMovable(false);
    saveAction_ = bar->addAction(tr("&Save..."), this, &frmContactSheet::save);
    saveAction_->setObjectName(QStringLiteral("mnuSave"));
    saveAction_->setToolTip(tr("Save the sheet as one PNG picture"));
    status_->setObjectName(QStringLiteral("lblStatus"));
    status_->setAccessibleName(tr("Progress"));
    statusBar()->addWidget(status_, 1);
    view_->setSheet(sheet_.get());
    resize(ContactSheet::width / 3 * 2, 480);
}

frmContactSheet::~frmContactSheet() = default;

void frmContactSheet::draw(ContactSheetJob& job, const QString& volPath, const QStringList& names)
{
    drawing_ = true;
    closed_ = false;
    setWindowTitle(tr("Contact Sheet (%1)").arg(QFileInfo(volPath).fileName()));
    saveAction_->setEnabled(false);
    sheet_ = std::make_unique<ContactSheet>(font());
    view_->setSheet(sheet_.get());
    QStringList failures;
    const bool begun = job.begin(volPath);
    if (!begun)
        failures.append(job.error());
    for (int done = 0; begun && done < names.size() && !closed_; ++done) {
        status_->setText(tr("Drawing picture %1 of %2").arg(done + 1).arg(names.size()));
        const QImage picture = job.picture(names.at(done));
        if (!picture.isNull()) {
            view_->grown(sheet_->add(names.at(done), picture));
            emit pictureAdded();
            continue;
        }
        failures.append(tr("%1: %2").arg(names.at(done), job.error()));
        if (job.cannotStart())
            break;
    }
    status_->setText(sheet_->count() == 1 ? tr("1 picture") : tr("%1 pictures").arg(sheet_->count()));
    saveAction_->setEnabled(sheet_->count() > 0);
    drawing_ = false;
    // Nobody is left to tell once the window or the program has closed.
    if (!failures.isEmpty() && !closed_ && !job.programClosing())
        messages_.warn(this, tr("These pictures could not be drawn:\n%1").arg(failures.join(u'\n')));
}

void frmContactSheet::save()
{
    const std::optional<QString> path =
        files_.pickNewFile(this, tr("Save Contact Sheet"), tr("PNG Pictures (*.png)"));
    if (!path)
        return;
    if (const QString refusal = runner_.workFolder().outputRefusal(QFileInfo(*path).path());
        !refusal.isEmpty()) {
        messages_.warn(this, refusal);
        return;
    }
    const QImage image = sheet_->toImage();
    if (!FileSystem::replaceWith(*path, [&image](QIODevice& file) {
             return image.save(&file, "PNG");
         }).isEmpty())
        messages_.warn(this, tr("Cannot write %1.").arg(QDir::toNativeSeparators(*path)));
}

void frmContactSheet::closeEvent(QCloseEvent* event)
{
    closed_ = true;
    QMainWindow::closeEvent(event);
}
