#pragma once

#include "archive/core/RunReport.h"
#include "archive/core/RunStep.h"
#include "archive/core/ToolRunner.h"

#include <QEventLoop>
#include <QList>
#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

class RunningTool;

// One run of a step over objects, the one loop over objects of every window and command: the tool phase
// of each object in turn, its tool run, then its finish phase. Up to N tools run at once, each in a slot
// of its own; everything else (the tool phases, the finish phases, so conversion, palette search and
// drawing) runs on one thread in the order of the objects, so results are delivered in that order. A
// tool that fails while others run is tried once more alone; when that works, the rest of the run goes
// one at a time. It also takes Cancel, the program's shutdown and a tool that cannot start, and ends with
// one report. It runs no window: the windows and the command line only show what it reports.
class RunDriver : public QObject {
    Q_OBJECT

public:
    struct Object {
        int row = 0; // in the object list
        QString name;
    };
    // Where the object in hand (the first one not finished) has got to.
    enum class Phase {
        Begun,     // it is in hand; with one tool at a time its number is shown before its tool runs
        Tool,      // its tool runs
        Finishing, // its tool has run to its end, and the finish phase takes what it left
        Done,      // its result is in the report
    };

    static constexpr int mostParallelRuns = 64;

    // `parallelRuns` tools at once (1 to mostParallelRuns); with one, its tool scripts and files are the
    // working folder's own, as they always were.
    RunDriver(ToolRunner& runner, RunStep& step, RunReport::Kind kind, int parallelRuns);
    ~RunDriver() override;

    // The names with their positions as rows.
    static QList<Object> objects(const QStringList& names);
    // The names at `rows` of the object list.
    static QList<Object> objects(const QStringList& names, const QList<int>& rows);

    // Runs the step over the objects and returns once each is finished or the run has stopped: on Cancel
    // (the objects whose tools run are finished, the others not done), on the program's shutdown, when a
    // tool cannot start (the objects after it are not tried) or when the step ends the run. The windows
    // keep working meanwhile.
    RunReport run(const QList<Object>& objects);
    // No tool starts any more; a tool still running ToolRunner::cancelGraceMs later is ended with its
    // process tree.
    void cancel();
    // The report of the objects finished so far, in their order.
    const RunReport& report() const { return report_; }

signals:
    // The object at `position` (from 1, among the run's objects) is in hand and has reached `phase`.
    void progressed(int position, RunDriver::Phase phase);
    // What became of the done object at `position`, worth telling (RunStep::Result::note).
    void noted(int position, const QString& note);

private:
    struct Entry;

    void advance();
    // Finishes the objects whose results are in, in order, up to the first whose tool still runs.
    void finishInOrder();
    // Asks the tool phase of the objects after the last one asked, as long as a slot is free.
    void startTools();
    // The slots of this run: the working folder itself, or subfolders, two for each tool at once.
    void prepareSlots(int parallelRuns);
    int freeSlot() const;
    int runningTools() const;
    void plan(Entry& entry);
    void startTool(Entry& entry, qsizetype index);
    // False while its tool is to be tried again alone.
    bool finish(Entry& entry);
    // Why the tool's run left the object undone, with what a tool that failed left removed; empty when
    // it left the file it had to.
    static QString toolFailure(const Entry& entry);
    void stopAt(qsizetype index, RunReport::Stop stop);
    void show(qsizetype index, Phase phase);

    ToolRunner& runner_;
    RunStep& step_;
    RunReport report_;
    int parallelRuns_;
    std::vector<RunSlot> slots_;
    std::vector<std::unique_ptr<Entry>> entries_;
    QEventLoop loop_;
    int limit_ = 1;         // tools at once
    qsizetype next_ = 0;    // the object in hand: the first not finished
    qsizetype planned_ = 0; // the objects whose tool phase has been asked
    qsizetype stopAt_ = 0;  // the first object that is not done because the run stopped
    RunReport::Stop stop_ = RunReport::Stop::Cancelled;
    bool endedByStep_ = false; // the objects from stopAt_ on are not reported
    bool cancelled_ = false;
    bool advancing_ = false;
    bool moreToDo_ = false;
};
