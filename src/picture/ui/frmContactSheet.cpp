#include "picture/ui/frmContactSheet.h"

#include "archive/core/RunDriver.h"
#include "archive/core/ToolRunner.h"
#include "picture/core/ContactSheet.h"
#include "picture/core/ContactSheetFile.h"
#include "picture/core/ContactSheetJob.h"
#include "picture/ui/ContactSheetView.h"
#include "platform/core/FileSystem.h"
#include "platform/ui/FilePicker.h"
#include "platform/ui/MessageBoxes.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>

frmContactSheet::frmContactSheet(MessageBoxes& messages, FilePicker& files, ToolRunner& runner,
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
    saveAction_->setToolTip(tr("Save the sheet as one PNG or BMP picture"));
    status_->setObjectName(QStringLiteral("lblStatus"));
    status_->setAccessibleName(tr("Progress"));
    statusBar()->addWidget(status_, 1);
    view_->setSheet(sheet_.get());
    resize(ContactSheet::width / 3 * 2, 480);
}

frmContactSheet::~frmContactSheet() = default;

void frmContactSheet::draw(PictureState& pictures, const PictureConversion::Options& options,
                           const QString& volPath, const QStringList& names, int parallelRuns)
{
    drawing_ = true;
    closed_ = false;
    setWindowTitle(tr("Contact Sheet (%1)").arg(QFileInfo(volPath).fileName()));
    saveAction_->setEnabled(false);
    sheet_ = std::make_unique<ContactSheet>(font());
    view_->setSheet(sheet_.get());
    ContactSheetJob job(runner_, pictures, options, *sheet_);
    connect(&job, &ContactSheetJob::placed, this, [this](const QRect& area) {
        view_->grown(area);
        emit pictureAdded();
    });
    QStringList failures;
    if (job.begin(volPath)) {
        RunDriver driver(runner_, job, RunReport::Kind::Conversion, parallelRuns);
        connect(&driver, &RunDriver::progressed, this, [this, &names](int position, RunDriver::Phase phase) {
            if (phase == RunDriver::Phase::Begun)
                status_->setText(tr("Drawing picture %1 of %2").arg(position).arg(names.size()));
        });
        driver_ = &driver;
        const RunReport report = driver.run(RunDriver::objects(names));
        driver_ = nullptr;
        // The pictures after a stop are not named: they were not tried.
        for (const RunReport::Failure& failure : report.failures()) {
            const QString& name = names.at(failure.row);
            if (failure.step == RunReport::Step::SheetFull)
                failures.append(tr("%1: %2, so it ends before this picture").arg(name, failure.reason));
            else if (failure.step != RunReport::Step::NotDone)
                failures.append(tr("%1: %2").arg(name, failure.reason));
        }
    } else {
        failures.append(job.error());
    }
    status_->setText(sheet_->count() == 1 ? tr("1 picture") : tr("%1 pictures").arg(sheet_->count()));
    saveAction_->setEnabled(sheet_->count() > 0);
    drawing_ = false;
    // Nobody is left to tell once the window or the program has closed.
    if (!failures.isEmpty() && !closed_ && !runner_.isShutDown())
        messages_.warn(this, tr("These pictures could not be drawn:\n%1").arg(failures.join(u'\n')));
}

void frmContactSheet::save()
{
    const std::optional<QString> path =
        files_.pickNewFile(this, tr("Save Contact Sheet"), tr("PNG Pictures (*.png);;BMP Pictures (*.bmp)"));
    if (!path)
        return;
    if (const QString refusal = runner_.workFolder().outputRefusal(QFileInfo(*path).path());
        !refusal.isEmpty()) {
        messages_.warn(this, refusal);
        return;
    }
    const std::optional<PictureExport::Format> format = PictureExport::formatOf(*path);
    if (!format) {
        messages_.warn(this,
                       tr("%1 is not saved: a contact sheet is saved as a PNG or BMP picture, under a name "
                          "ending in \".png\" or \".bmp\".")
                           .arg(QDir::toNativeSeparators(*path)));
        return;
    }
    const QString failure = FileSystem::replaceWith(
        *path, [this, &format](QIODevice& out) { return ContactSheetFile::write(*sheet_, *format, out); });
    if (!failure.isEmpty())
        messages_.warn(this, tr("Cannot write %1.").arg(QDir::toNativeSeparators(*path)));
}

void frmContactSheet::closeEvent(QCloseEvent* event)
{
    closed_ = true;
    if (driver_)
        driver_->cancel();
    QMainWindow::closeEvent(event);
}
