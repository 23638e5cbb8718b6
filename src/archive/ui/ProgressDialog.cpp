#include "archive/ui/ProgressDialog.h"

#include "archive/core/RunReport.h"
#include "archive/core/ToolRunner.h"
#include "archive/ui/FailureTable.h"
#include "platform/ui/Twips.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <utility>

namespace {
constexpr int paintPauseMs = 500;
// The Cancel button's row, below the window's own controls.
constexpr int buttonWidth = 1095;
constexpr int buttonHeight = 375;
constexpr int margin = 120;
} // namespace

ProgressDialog::ProgressDialog(QWidget* owner, const QString& caption, int widthTwips, int heightTwips,
                               ToolRunner& runner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , runner_(runner)
    , cmdCancel(Twips::create<QPushButton>(this, QStringLiteral("cmdCancel"), tr("Cancel"),
                                           widthTwips - margin - buttonWidth, heightTwips, buttonWidth,
                                           buttonHeight))
{
    setWindowTitle(caption);
    setModal(true);
    setFixedSize(Twips::toPixels(this, 0, 0, widthTwips, heightTwips + buttonHeight + margin).size());
    if (owner)
        move(owner->geometry().center() - rect().center());
    cmdCancel->setAccessibleName(tr("Cancel"));
    cmdCancel->setToolTip(tr("Stop after the object in hand (Escape)"));
    cmdCancel->setAutoDefault(false);
    connect(cmdCancel, &QPushButton::clicked, this, &ProgressDialog::cancel);
}

void ProgressDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!std::exchange(started_, true))
        QTimer::singleShot(0, this, &ProgressDialog::start);
}

void ProgressDialog::start()
{
    // A short pause with the window up, so that it is seen even when the work is quick.
    QEventLoop pause;
    QTimer::singleShot(paintPauseMs, &pause, &QEventLoop::quit);
    pause.exec(QEventLoop::ExcludeUserInputEvents);
    busy_.emplace();
    work();
    busy_.reset();
    finished_ = true;
    accept();
}

void ProgressDialog::cancel()
{
    if (finished_ || std::exchange(cancelled_, true))
        return;
    cmdCancel->setEnabled(false);
    stopWork();
}

// Closing the window asks the work to stop, as Cancel does; the window goes once it has.
void ProgressDialog::closeEvent(QCloseEvent* event)
{
    if (finished_) {
        event->accept();
        return;
    }
    event->ignore();
    cancel();
}

void ProgressDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !finished_) {
        cancel();
        return;
    }
    QDialog::keyPressEvent(event);
}

QList<int> ProgressDialog::endOfPass(const RunReport& report, const RunModal& runModal)
{
    delivered_ += report.done();
    if (report.isClean() || runner_.isShutDown())
        return {};
    FailureTable table(report, this);
    busy_.reset();
    const bool retry = runModal(table) == QDialog::Accepted;
    busy_.emplace();
    if (!retry || runner_.isShutDown())
        return {};
    cancelled_ = false;
    cmdCancel->setEnabled(true);
    return report.retryRows();
}
