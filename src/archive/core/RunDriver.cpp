#include "archive/core/RunDriver.h"

#include "archive/core/RunningTool.h"
#include "platform/core/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

struct RunDriver::Entry {
    Object object;
    bool planned = false;
    RunStep::Plan plan;
    int slot = -1; // while its tool's files are in use
    std::unique_ptr<RunningTool> tool;
    QString cannotStart; // why its tool could not start
    int shown = -1;      // the last phase shown
};

RunDriver::RunDriver(ToolRunner& runner, RunStep& step, RunReport::Kind kind)
    : runner_(runner)
    , step_(step)
    , report_(kind, 0)
{
}

RunDriver::~RunDriver() = default;

QList<RunDriver::Object> RunDriver::objects(const QStringList& names)
{
    QList<Object> objects;
    for (qsizetype row = 0; row < names.size(); ++row)
        objects.append({int(row), names.at(row)});
    return objects;
}

QList<RunDriver::Object> RunDriver::objects(const QStringList& names, const QList<int>& rows)
{
    QList<Object> objects;
    for (const int row : rows)
        objects.append({row, names.value(row)});
    return objects;
}

RunReport RunDriver::run(const QList<Object>& objects)
{
    report_ = RunReport(report_.kind(), int(objects.size()));
    entries_.clear();
    for (const Object& object : objects) {
        entries_.push_back(std::make_unique<Entry>());
        entries_.back()->object = object;
    }
    next_ = 0;
    planned_ = 0;
    stopAt_ = cancelled_ ? 0 : qsizetype(entries_.size());
    stop_ = RunReport::Stop::Cancelled;
    endedByStep_ = false;
    slots_ = {RunSlot{runner_.workFolder().path()}};
    runner_.hold();
    advance();
    if (next_ < qsizetype(entries_.size()))
        loop_.exec();
    runner_.release();
    if (cancelled_)
        report_.markCancelled();
    entries_.clear();
    return report_;
}

void RunDriver::cancel()
{
    if (std::exchange(cancelled_, true))
        return;
    stopAt(planned_, RunReport::Stop::Cancelled);
    runner_.cancelRuns();
    advance();
}

// Runs again when an event arrives while a phase waits for the user or for a tool of its own.
void RunDriver::advance()
{
    if (advancing_) {
        moreToDo_ = true;
        return;
    }
    advancing_ = true;
    do {
        moreToDo_ = false;
        finishInOrder();
        const qsizetype planned = planned_;
        startTools();
        // An object asked for may have its result at once.
        moreToDo_ = moreToDo_ || planned_ != planned;
    } while (moreToDo_);
    advancing_ = false;
    if (next_ >= qsizetype(entries_.size()))
        loop_.quit();
}

void RunDriver::finishInOrder()
{
    while (next_ < qsizetype(entries_.size())) {
        Entry& entry = *entries_[size_t(next_)];
        if (runner_.isShutDown())
            stopAt(entry.planned && !(entry.tool && entry.tool->isRunning()) ? next_ + 1 : next_,
                   RunReport::Stop::ShutDown);
        if (next_ >= stopAt_) {
            // A tool of an object after the stop is not waited for.
            entry.tool.reset();
            if (!endedByStep_)
                report_.addNotDone(entry.object.row, entry.object.name, stop_);
            ++next_;
            continue;
        }
        show(next_, Phase::Begun);
        if (!entry.planned)
            return;
        if (entry.tool && entry.tool->isRunning()) {
            show(next_, Phase::Tool);
            return;
        }
        finish(entry);
        entry.slot = -1;
        show(next_, Phase::Done);
        ++next_;
    }
}

void RunDriver::startTools()
{
    while (planned_ < stopAt_ && !runner_.isShutDown()) {
        Entry& entry = *entries_[size_t(planned_)];
        if (planned_ != next_ && step_.asks(entry.object.name))
            return;
        int slot = 0;
        while (slot < int(slots_.size()) && !slotFree(slot))
            ++slot;
        if (slot == int(slots_.size()))
            return;
        if (planned_ == next_)
            show(next_, Phase::Begun);
        entry.slot = slot;
        ++planned_;
        plan(entry);
    }
}

bool RunDriver::slotFree(int slot) const
{
    for (qsizetype index = next_; index < planned_; ++index) {
        if (entries_[size_t(index)]->slot == slot)
            return false;
    }
    return true;
}

void RunDriver::plan(Entry& entry)
{
    // The step may ask the user here, while the tools of the objects before this one run on.
    entry.plan = step_.plan(entry.object.name, slots_[size_t(entry.slot)]);
    entry.planned = true;
    switch (entry.plan.kind) {
    case RunStep::Plan::Kind::Run:
        startTool(entry);
        return;
    case RunStep::Plan::Kind::EndRun:
        endedByStep_ = true;
        stopAt(planned_ - 1, RunReport::Stop::RunEnded);
        break;
    case RunStep::Plan::Kind::Skip:
    case RunStep::Plan::Kind::Fail:
        break;
    }
    entry.slot = -1;
}

void RunDriver::startTool(Entry& entry)
{
    const qsizetype index = planned_ - 1;
    // An earlier object's output must never pass for this one's.
    if (!FileSystem::deleteFileIfExists(entry.plan.output)) {
        entry.plan =
            RunStep::Plan::fail(RunReport::Step::CannotWrite,
                                tr("cannot prepare %1").arg(QDir::toNativeSeparators(entry.plan.output)));
        entry.slot = -1;
        return;
    }
    entry.tool = runner_.StartToolCommand(entry.plan.call, entry.plan.script);
    if (!entry.tool) {
        entry.cannotStart = runner_.lastError();
        stopAt(index + 1, RunReport::Stop::CannotStart);
        return;
    }
    // Queued: the run that ended is not deleted while it tells so.
    connect(entry.tool.get(), &RunningTool::ended, this, &RunDriver::advance, Qt::QueuedConnection);
    if (index == next_)
        show(index, Phase::Tool);
}

void RunDriver::finish(Entry& entry)
{
    const Object& object = entry.object;
    switch (entry.plan.kind) {
    case RunStep::Plan::Kind::Skip:
        report_.addSkipped();
        return;
    case RunStep::Plan::Kind::Fail:
        report_.addFailure(object.row, object.name, entry.plan.step, entry.plan.reason);
        return;
    case RunStep::Plan::Kind::Run:
    case RunStep::Plan::Kind::EndRun:
        break;
    }
    if (!entry.tool) {
        report_.addFailure(object.row, object.name, RunReport::Step::CannotStart, entry.cannotStart);
        return;
    }
    if (entry.tool->result().ended && cancelled_ && !runner_.isShutDown()) {
        report_.addNotDone(object.row, object.name, RunReport::Stop::ToolEnded);
        return;
    }
    show(next_, Phase::Tool);
    show(next_, Phase::Finishing);
    if (recordToolFailure(entry))
        return;
    // Nobody is left to take what it left.
    if (runner_.isShutDown()) {
        report_.addNotDone(object.row, object.name, RunReport::Stop::ShutDown);
        return;
    }
    const RunStep::Result result = step_.finish(object.name, slots_[size_t(entry.slot)]);
    if (!result.note.isEmpty())
        emit noted(int(next_ + 1), result.note);
    if (result.done)
        report_.addDone();
    else
        report_.addFailure(object.row, object.name, result.step, result.reason);
    if (result.endsRun)
        stopAt(next_ + 1, RunReport::Stop::RunEnded);
}

bool RunDriver::recordToolFailure(Entry& entry)
{
    const RunStep::Plan& plan = entry.plan;
    const ToolRunner::ToolRun& run = entry.tool->result();
    const QString tool = QFileInfo(plan.call.program).fileName();
    QString reason;
    // A script ends with its interpreter's status; a tool started directly tells with its own.
    if (plan.script.isEmpty() && run.exitStatus != 0) {
        FileSystem::deleteFileIfExists(plan.output);
        reason = run.exitStatus < 0 ? tr("%1 did not end normally").arg(tool)
                                    : tr("%1 ended with code %2").arg(tool).arg(run.exitStatus);
    } else if (!FileSystem::fileExists(plan.output)) {
        reason = tr("the tool wrote no file");
    } else {
        return false;
    }
    report_.addFailure(entry.object.row, entry.object.name, RunReport::Step::ToolWroteNothing, reason);
    return true;
}

void RunDriver::stopAt(qsizetype index, RunReport::Stop stop)
{
    if (index >= stopAt_)
        return;
    stopAt_ = index;
    stop_ = stop;
}

void RunDriver::show(qsizetype index, Phase phase)
{
    Entry& entry = *entries_[size_t(index)];
    if (entry.shown >= int(phase))
        return;
    entry.shown = int(phase);
    emit progressed(int(index + 1), phase);
}
