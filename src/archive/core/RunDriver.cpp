#include "archive/core/RunDriver.h"

#include "archive/core/RunningTool.h"
#include "platform/core/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <utility>

struct RunDriver::Entry {
    Object object;
    bool planned = false;
    RunStep::Plan plan;
    int slot = -1; // while its tool's files are in use
    std::unique_ptr<RunningTool> tool;
    QString cannotStart;    // why its tool could not start
    bool alongside = false; // its tool ran while another did
    bool retried = false;   // its tool ran again alone
    bool retryDue = false;  // it waits to run again alone
    int shown = -1;         // the last phase shown
};

RunDriver::RunDriver(ToolRunner& runner, RunStep& step, RunReport::Kind kind, int parallelRuns)
    : runner_(runner)
    , step_(step)
    , report_(kind, 0)
    , parallelRuns_(std::clamp(parallelRuns, 1, mostParallelRuns))
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
    prepareSlots(int(std::min(qsizetype(parallelRuns_), objects.size())));
    limit_ = slots_.size() < 2 ? 1 : parallelRuns_;
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

void RunDriver::prepareSlots(int parallelRuns)
{
    const WorkFolder& work = runner_.workFolder();
    slots_.clear();
    // Twice as many slots as tools at once: a tool that ends before the objects ahead of it are finished
    // keeps its slot until its own finish, and the next tool starts meanwhile in a slot of its own.
    const int wanted = parallelRuns > 1 ? 2 * parallelRuns : 0;
    // A link in a slot's place would send the tool's output into someone else's folder; a slot that
    // cannot be made is not used.
    for (int number = 1; number <= wanted; ++number) {
        const RunSlot slot{work.slotFolder(number)};
        if (!FileSystem::makeRealFolder(slot.folder) || !FileSystem::makeRealFolder(slot.stagingFolder()))
            break;
        slots_.push_back(slot);
    }
    if (slots_.size() < 2)
        slots_ = {RunSlot{work.path()}};
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
        if (entry.retryDue) {
            // Alone: once the tools started before it have ended.
            if (!cancelled_ && !runner_.isShutDown() && runningTools() == 0) {
                entry.retryDue = false;
                entry.retried = true;
                startTool(entry, next_);
                continue;
            }
            if (!cancelled_ && !runner_.isShutDown())
                return;
        }
        if (!finish(entry))
            continue;
        entry.slot = -1;
        show(next_, Phase::Done);
        ++next_;
    }
}

void RunDriver::startTools()
{
    // Only the object in hand is tried again, and while it waits for that and runs, it runs alone.
    const auto alone = [this] {
        const Entry& inHand = *entries_[size_t(next_)];
        return inHand.retryDue || (inHand.retried && inHand.tool && inHand.tool->isRunning());
    };
    while (planned_ < stopAt_ && !runner_.isShutDown() && !(next_ < planned_ && alone())) {
        Entry& entry = *entries_[size_t(planned_)];
        if (planned_ != next_ && step_.asks(entry.object.name))
            return;
        const int slot = freeSlot();
        if (slot < 0)
            return;
        if (planned_ == next_)
            show(next_, Phase::Begun);
        entry.slot = slot;
        ++planned_;
        plan(entry);
    }
}

// A slot is in use from its object's tool phase until its finish phase has taken what the tool left;
// a new tool needs a free slot and fewer than limit_ tools running.
int RunDriver::freeSlot() const
{
    if (runningTools() >= limit_)
        return -1;
    std::vector<bool> taken(slots_.size(), false);
    for (qsizetype index = next_; index < planned_; ++index) {
        if (const int slot = entries_[size_t(index)]->slot; slot >= 0)
            taken[size_t(slot)] = true;
    }
    const auto free = std::find(taken.cbegin(), taken.cend(), false);
    return free == taken.cend() ? -1 : int(free - taken.cbegin());
}

int RunDriver::runningTools() const
{
    return int(std::count_if(
        entries_.cbegin() + next_, entries_.cbegin() + planned_,
        [](const std::unique_ptr<Entry>& entry) { return entry->tool && entry->tool->isRunning(); }));
}

void RunDriver::plan(Entry& entry)
{
    // The step may ask the user here, while the tools of the objects before this one run on.
    entry.plan = step_.plan(entry.object.name, slots_[size_t(entry.slot)]);
    entry.planned = true;
    switch (entry.plan.kind) {
    case RunStep::Plan::Kind::Run:
        startTool(entry, planned_ - 1);
        return;
    case RunStep::Plan::Kind::EndRun:
        endedByStep_ = true;
        stopAt(planned_ - 1, RunReport::Stop::RunEnded);
        break;
    case RunStep::Plan::Kind::Known:
    case RunStep::Plan::Kind::Skip:
    case RunStep::Plan::Kind::Fail:
        break;
    }
    entry.slot = -1;
}

void RunDriver::startTool(Entry& entry, qsizetype index)
{
    entry.tool.reset();
    // An earlier object's output must never pass for this one's; a file that takes what the tool prints
    // is emptied as the tool starts.
    const ToolCall& call = entry.plan.call;
    const bool emptiedAtStart = entry.plan.output == call.outputFile && !call.appendOutput;
    if (!emptiedAtStart && !FileSystem::deleteFileIfExists(entry.plan.output)) {
        entry.plan =
            RunStep::Plan::fail(RunReport::Step::CannotWrite,
                                tr("cannot prepare %1").arg(QDir::toNativeSeparators(entry.plan.output)));
        entry.slot = -1;
        return;
    }
    const bool others = runningTools() > 0;
    entry.tool =
        runner_.StartToolCommand(entry.plan.call, entry.plan.script,
                                 limit_ > 1 ? ProcessGroup::Priority::Lower : ProcessGroup::Priority::Same);
    if (!entry.tool) {
        entry.cannotStart = runner_.lastError();
        stopAt(index + 1, RunReport::Stop::CannotStart);
        return;
    }
    if (others) {
        entry.alongside = true;
        for (qsizetype other = next_; other < planned_; ++other) {
            if (const Entry& running = *entries_[size_t(other)]; running.tool && running.tool->isRunning())
                entries_[size_t(other)]->alongside = true;
        }
    }
    // Queued: the run that ended is not deleted while it tells so.
    connect(entry.tool.get(), &RunningTool::ended, this, &RunDriver::advance, Qt::QueuedConnection);
    if (index == next_)
        show(index, Phase::Tool);
}

bool RunDriver::finish(Entry& entry)
{
    const Object& object = entry.object;
    switch (entry.plan.kind) {
    case RunStep::Plan::Kind::Known:
        report_.addDone();
        return true;
    case RunStep::Plan::Kind::Skip:
        report_.addSkipped();
        return true;
    case RunStep::Plan::Kind::Fail:
        report_.addFailure(object.row, object.name, entry.plan.step, entry.plan.reason);
        return true;
    case RunStep::Plan::Kind::Run:
    case RunStep::Plan::Kind::EndRun:
        break;
    }
    if (!entry.tool) {
        report_.addFailure(object.row, object.name, RunReport::Step::CannotStart, entry.cannotStart);
        return true;
    }
    const bool closing = runner_.isShutDown();
    if (entry.tool->result().ended && cancelled_ && !closing) {
        report_.addNotDone(object.row, object.name, RunReport::Stop::ToolEnded);
        return true;
    }
    show(next_, Phase::Tool);
    show(next_, Phase::Finishing);
    if (const QString failure = toolFailure(entry); !failure.isEmpty()) {
        // The game's own tool may refuse to share the archive: not a failure until it fails alone.
        if (entry.alongside && !entry.retried) {
            if (!cancelled_ && !closing) {
                entry.retryDue = true;
                return false;
            }
            report_.addNotDone(object.row, object.name,
                               closing ? RunReport::Stop::ShutDown : RunReport::Stop::Cancelled);
            return true;
        }
        report_.addFailure(object.row, object.name, RunReport::Step::ToolWroteNothing,
                           entry.retried ? failure + tr(" (also when run alone)") : failure);
        return true;
    }
    // What worked alone may not work beside another run: the rest goes one at a time.
    if (entry.retried)
        limit_ = 1;
    // Nobody is left to take what it left.
    if (closing) {
        report_.addNotDone(object.row, object.name, RunReport::Stop::ShutDown);
        return true;
    }
    step_.toolEnded(object.name, entry.tool->result());
    const RunStep::Result result = step_.finish(object.name, slots_[size_t(entry.slot)]);
    if (!result.note.isEmpty())
        emit noted(int(next_ + 1), result.note);
    if (result.done)
        report_.addDone();
    else
        report_.addFailure(object.row, object.name, result.step, result.reason);
    if (result.endsRun)
        stopAt(next_ + 1, RunReport::Stop::RunEnded);
    return true;
}

QString RunDriver::toolFailure(const Entry& entry)
{
    const RunStep::Plan& plan = entry.plan;
    const ToolRunner::ToolRun& run = entry.tool->result();
    const QString tool = QFileInfo(plan.call.program).fileName();
    // A script ends with its interpreter's status; a tool started directly tells with its own.
    if (plan.script.isEmpty() && run.exitStatus != 0) {
        FileSystem::deleteFileIfExists(plan.output);
        return run.exitStatus < 0 ? tr("%1 did not end normally").arg(tool)
                                  : tr("%1 ended with code %2").arg(tool).arg(run.exitStatus);
    }
    if (!FileSystem::fileExists(plan.output))
        return tr("the tool wrote no file");
    return {};
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
