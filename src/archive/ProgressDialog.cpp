#include "archive/ProgressDialog.h"

#include "platform/BusyCursor.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <utility>

namespace {
constexpr int paintPauseMs = 500;
constexpr int listedFailuresAtMost = 20;
} // namespace

ProgressDialog::ProgressDialog(QWidget* owner, const QString& caption, int widthTwips, int heightTwips)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(caption);
    setModal(true);
    setFixedSize(Twips::toPixels(this, 0, 0, widthTwips, heightTwips).size());
    if (owner)
        move(owner->geometry().center() - rect().center());
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
    {
        const BusyCursor busy;
        work();
    }
    finished_ = true;
    accept();
}

// The work cannot be stopped half-way, so the window stays until it is done.
void ProgressDialog::closeEvent(QCloseEvent* event)
{
    if (finished_)
        event->accept();
    else
        event->ignore();
}

void ProgressDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !finished_)
        return;
    QDialog::keyPressEvent(event);
}

void ProgressDialog::reportFailures(MessageBoxes& messages, const QStringList& failures,
                                    const std::function<QString(qsizetype)>& heading)
{
    if (failures.isEmpty())
        return;
    QStringList shown = failures.mid(0, listedFailuresAtMost);
    if (failures.size() > listedFailuresAtMost)
        shown.append(tr("... and %1 more.").arg(failures.size() - listedFailuresAtMost));
    messages.warn(this, heading(failures.size()) + QStringLiteral("\n\n") + shown.join(QLatin1Char('\n')));
}
