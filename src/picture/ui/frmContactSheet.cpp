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
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <utility>

namespace {

// Ten showings a second read as steady progress; at twenty, painting the growing sheet's scroll bars
// alone cost 2 % of the sheet's time (measured on 1000 pictures).
constexpr int showInterval = 100; // milliseconds

} // namespace

frmContactSheet::frmContactSheet(MessageBoxes& messages, FilePicker& files, ToolRunner& runner,
                                 QWidget* parent)
    : QMainWindow(parent)
    , messages_(messages)
    , files_(files)
    , runner_(runner)
    , sheet_(std::make_unique<ContactSheet>(font()))
    , view_(new ContactSheetView)
    , layouts_(new QComboBox(this))
    , status_(new QLabel(this))
{
    setObjectName(QStringLiteral("frmContactSheet"));
    setWindowTitle(tr("Contact Sheet"));
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("sheetArea"));
    scroll->setAccessibleName(tr("Contact sheet"));
    scroll->setWidget(view_);
    setCentralWidget(scroll);
    view_->setObjectName(QStringLiteral("sheetView"));
    view_->setAccessibleName(tr("Pictures"));
    connect(view_, &ContactSheetView::chosen, this,
            [this](int index) { emit pictureChosen(request_->volPath, sheet_->name(index)); });
    connect(view_, &ContactSheetView::opened, this,
            [this](int index) { emit pictureOpened(request_->volPath, sheet_->name(index)); });
    auto* bar = addToolBar(tr("Contact sheet"));
    bar->setMovable(false);
    saveAction_ = bar->addAction(tr("&Save..."), this, &frmContactSheet::save);
    saveAction_->setObjectName(QStringLiteral("mnuSave"));
    saveAction_->setToolTip(tr("Save the sheet as one PNG or BMP picture"));
    bar->addSeparator();
    auto* caption = new QLabel(tr("&Layout: "), this);
    caption->setBuddy(layouts_);
    bar->addWidget(caption);
    layouts_->setObjectName(QStringLiteral("cboLayout"));
    layouts_->setAccessibleName(tr("Layout"));
    layouts_->setToolTip(tr("Draw the pictures at their own size, or scaled into cells of one size"));
    layouts_->addItem(tr("Natural size"), ContactSheetLayout::natural);
    for (const int side : ContactSheetLayout::cellSides)
        layouts_->addItem(tr("%1 px cells").arg(side), side);
    bar->addWidget(layouts_);
    connect(layouts_, &QComboBox::currentIndexChanged, this, &frmContactSheet::layoutChosen);
    status_->setObjectName(QStringLiteral("lblStatus"));
    status_->setAccessibleName(tr("Progress"));
    statusBar()->addWidget(status_, 1);
    view_->setSheet(sheet_.get());
    showTimer_.setSingleShot(true);
    connect(&showTimer_, &QTimer::timeout, this, &frmContactSheet::showNow);
    resize(ContactSheet::width / 3 * 2, 480);
}

frmContactSheet::~frmContactSheet() = default;

void frmContactSheet::draw(PictureState& pictures, const PictureConversion::Options& options,
                           const QString& volPath, const QStringList& names, int parallelRuns)
{
    request_ = Request{&pictures, options, volPath, names, parallelRuns};
    do {
        redraw_ = false;
        drawOnce(*request_);
    } while (redraw_ && !closed_ && !runner_.isShutDown());
}

void frmContactSheet::drawOnce(const Request& request)
{
    const QStringList& names = request.names;
    drawing_ = true;
    closed_ = false;
    setWindowTitle(tr("Contact Sheet (%1)").arg(QFileInfo(request.volPath).fileName()));
    saveAction_->setEnabled(false);
    sheet_ = std::make_unique<ContactSheet>(font(), layouts_->currentData().toInt(), int(names.size()));
    view_->setSheet(sheet_.get());
    ContactSheetJob job(runner_, *request.pictures, request.options, *sheet_);
    connect(&job, &ContactSheetJob::placed, this, [this](const QRect& area) {
        pendingArea_ |= area;
        showSoon();
        emit pictureAdded();
    });
    QStringList failures;
    if (job.begin(request.volPath)) {
        RunDriver driver(runner_, job, RunReport::Kind::Conversion, request.parallelRuns);
        connect(&driver, &RunDriver::progressed, this, [this, &names](int position, RunDriver::Phase phase) {
            if (phase != RunDriver::Phase::Begun)
                return;
            pendingStatus_ = tr("Drawing picture %1 of %2").arg(position).arg(names.size());
            showSoon();
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
    showNow();
    status_->setText(sheet_->count() == 1 ? tr("1 picture") : tr("%1 pictures").arg(sheet_->count()));
    saveAction_->setEnabled(sheet_->count() > 0);
    drawing_ = false;
    // Nobody is left to tell once the window or the program has closed, and a sheet drawn again tells
    // its own.
    if (!failures.isEmpty() && !closed_ && !redraw_ && !runner_.isShutDown())
        messages_.warn(this, tr("These pictures could not be drawn:\n%1").arg(failures.join(u'\n')));
}

void frmContactSheet::showSoon()
{
    if (!lastShown_.isValid() || lastShown_.elapsed() >= showInterval)
        showNow();
    else if (!showTimer_.isActive())
        showTimer_.start(showInterval - int(lastShown_.elapsed()));
}

void frmContactSheet::showNow()
{
    showTimer_.stop();
    lastShown_.start();
    if (!pendingStatus_.isEmpty())
        status_->setText(std::exchange(pendingStatus_, QString()));
    if (!pendingArea_.isNull())
        view_->grown(std::exchange(pendingArea_, QRect()));
}

// The pictures drawn are the size of the old layout, so the new one draws them again; not while
// another window runs the tools, when the box goes back to the layout shown.
void frmContactSheet::layoutChosen()
{
    if (drawing_) {
        redraw_ = true;
        if (driver_)
            driver_->cancel();
    } else if (request_ && runner_.isBusy()) {
        const QSignalBlocker quiet(layouts_);
        layouts_->setCurrentIndex(layouts_->findData(sheet_->cell()));
        status_->setText(tr("Another window is running the tools; choose the layout again when it is done"));
    } else if (request_) {
        const Request again = *request_;
        draw(*again.pictures, again.options, again.volPath, again.names, again.parallelRuns);
    }
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
