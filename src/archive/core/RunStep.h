#pragma once

#include "archive/core/RunReport.h"
#include "archive/core/RunSlot.h"
#include "archive/core/ToolRunner.h"
#include "platform/core/ToolCall.h"

#include <QString>

// What a run over objects does for each object, in two phases: the tool phase says what to run for the
// object (or gives its result at once, a refused name say), the finish phase takes what the tool left.
// RunDriver calls both in the order of the objects, on one thread; only the tool runs overlap.
class RunStep {
public:
    // What the tool phase decided.
    struct Plan {
        enum class Kind {
            Run,    // run `call` in the slot; it must leave the file `output`
            Known,  // its result is at hand without a tool (a kept copy, say): done
            Skip,   // the user chose to skip the object: neither done nor failed
            Fail,   // not done, at `step`, for `reason`
            EndRun, // the user ended the run: nothing more is done or reported
        };
        Kind kind = Kind::Run;
        ToolCall call;
        QString script; // where the call's script is written first; empty: the tool is started directly
        QString output;
        RunReport::Step step = RunReport::Step::NotDone;
        QString reason;

        static Plan run(const ToolCall& call, const QString& script, const QString& output)
        {
            return {Kind::Run, call, script, output, RunReport::Step::NotDone, {}};
        }
        static Plan fail(RunReport::Step step, const QString& reason)
        {
            return {Kind::Fail, {}, {}, {}, step, reason};
        }
        static Plan of(Kind kind) { return {kind, {}, {}, {}, RunReport::Step::NotDone, {}}; }
    };

    // What the finish phase did with the object.
    struct Result {
        bool done = true;
        RunReport::Step step = RunReport::Step::NotDone; // when not done
        QString reason;
        // Nothing after this object is done: the objects after it are not done (RunReport::Stop::RunEnded).
        bool endsRun = false;
        // What became of a done object, when it is worth telling; the command line tells it.
        QString note;

        static Result failed(RunReport::Step step, const QString& reason, bool endsRun = false)
        {
            return {false, step, reason, endsRun, {}};
        }
    };

    virtual ~RunStep() = default;

    // Whether the tool phase asks the user first, so that it waits until every object before this one is
    // finished and the questions come in the order of the objects.
    virtual bool asks(const QString& objectName) const
    {
        Q_UNUSED(objectName);
        return false;
    }
    // The tool phase of the object, whose tool would run in `slot`.
    virtual Plan plan(const QString& objectName, const RunSlot& slot) = 0;
    // What became of the object's tool, told before its finish phase; for a step that words a tool's own
    // failure (a listing) rather than the driver's "wrote no file".
    virtual void toolEnded(const QString& objectName, const ToolRunner::ToolRun& run)
    {
        Q_UNUSED(objectName);
        Q_UNUSED(run);
    }
    // The finish phase, once the tool has left the plan's output in `slot`.
    virtual Result finish(const QString& objectName, const RunSlot& slot) = 0;
};
