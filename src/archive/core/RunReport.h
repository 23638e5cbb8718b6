#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

// What one run over objects did: how many of its objects were done, and for each object that was not, in
// the order of the run, the step at which it stopped and why. The failure table, the drag-out warning,
// the contact sheet and the command line each show it in their own words.
class RunReport {
    Q_DECLARE_TR_FUNCTIONS(RunReport)

public:
    enum class Kind { Extraction, Conversion };
    enum class Step {
        RefusedName,
        CannotStart,
        ToolWroteNothing,
        NotAPicture,
        PaletteMissing,
        CannotWrite,
        SheetFull,
        NotDone
    };
    // Why an object was not done at all (the step NotDone).
    enum class Stop {
        Cancelled,   // the run was cancelled before its tool started
        ToolEnded,   // Cancel ended its tool
        CannotStart, // the tool of an object before it could not start
        ShutDown,    // the program was closing
        RunEnded,    // an object before it ended the run (a full contact sheet)
    };

    struct Failure {
        int row = 0; // in the object list
        QString name;
        Step step = Step::NotDone;
        QString reason;
        Stop stop = Stop::Cancelled; // for the step NotDone

        bool operator==(const Failure&) const = default;
    };

    RunReport(Kind kind, int objects);

    void addDone() { ++done_; }
    // An object the user chose to skip: neither done nor failed.
    void addSkipped() { ++skipped_; }
    void addFailure(int row, const QString& name, Step step, const QString& reason);
    // An object not done at all, with the reason a window gives for `stop`.
    void addNotDone(int row, const QString& name, Stop stop);
    void markCancelled() { cancelled_ = true; }

    Kind kind() const { return kind_; }
    int done() const { return done_; }
    bool isCancelled() const { return cancelled_; }
    // Nothing to tell: every object was done or skipped.
    bool isClean() const { return failures_.isEmpty(); }
    const QList<Failure>& failures() const { return failures_; }
    // The rows a retry runs again: every failed or undone object, in the order of the run.
    QList<int> retryRows() const;

    static QString stepName(Step step);
    // "cancelled", ...; empty for the stops after which no window shows the report.
    static QString notDoneReason(Stop stop);
    QString title() const;
    // "3 of 5 objects were extracted." then "2 objects could not be extracted:"
    QString heading() const;
    // The heading and the table, one object a line, columns separated by tabs, for the clipboard.
    QString text() const;

private:
    Kind kind_;
    int objects_;
    int done_ = 0;
    int skipped_ = 0;
    bool cancelled_ = false;
    QList<Failure> failures_;
};
