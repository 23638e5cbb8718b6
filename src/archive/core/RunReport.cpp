#include "archive/core/RunReport.h"

RunReport::RunReport(Kind kind, int objects)
    : kind_(kind)
    , objects_(objects)
{
}

void RunReport::addFailure(int row, const QString& name, Step step, const QString& reason)
{
    // A refused name may hold tabs or line breaks, which would break the table's lines.
    QString shown = name;
    for (QChar& character : shown) {
        if (character.category() == QChar::Other_Control)
            character = QChar::ReplacementCharacter;
    }
    failures_.append({row, shown, step, reason, Stop::Cancelled});
}

void RunReport::addNotDone(int row, const QString& name, Stop stop)
{
    addFailure(row, name, Step::NotDone, notDoneReason(stop));
    failures_.last().stop = stop;
}

QList<int> RunReport::retryRows() const
{
    QList<int> rows;
    for (const Failure& failure : failures_)
        rows.append(failure.row);
    return rows;
}

QString RunReport::stepName(Step step)
{
    switch (step) {
    case Step::RefusedName:
        return tr("refused name");
    case Step::CannotStart:
        return tr("tool could not start");
    case Step::ToolWroteNothing:
        return tr("tool wrote nothing");
    case Step::NotAPicture:
        return tr("not a picture");
    case Step::PaletteMissing:
        return tr("palette missing");
    case Step::CannotWrite:
        return tr("cannot write");
    case Step::SheetFull:
        return tr("sheet full");
    case Step::NotDone:
        break;
    }
    return tr("not done");
}

QString RunReport::notDoneReason(Stop stop)
{
    switch (stop) {
    case Stop::Cancelled:
        return tr("cancelled");
    case Stop::ToolEnded:
        return tr("cancelled; its tool was ended");
    case Stop::CannotStart:
        return tr("not tried, as the tool could not start");
    case Stop::ShutDown:
    case Stop::RunEnded:
        break;
    }
    return {};
}

QString RunReport::title() const
{
    return kind_ == Kind::Extraction ? tr("Extraction Report") : tr("Conversion Report");
}

QString RunReport::heading() const
{
    const bool extraction = kind_ == Kind::Extraction;
    const int handled = objects_ - skipped_;
    QString done =
        handled == 1
            ? (extraction ? tr("%1 of 1 object was extracted") : tr("%1 of 1 object was converted"))
                  .arg(done_)
            : (extraction ? tr("%1 of %2 objects were extracted") : tr("%1 of %2 objects were converted"))
                  .arg(done_)
                  .arg(handled);
    done += cancelled_ ? tr(" before the run was cancelled.") : QStringLiteral(".");
    const qsizetype left = failures_.size();
    const QString notDone = left == 1 ? (extraction ? tr("1 object could not be extracted:")
                                                    : tr("1 object could not be converted:"))
                                      : (extraction ? tr("%1 objects could not be extracted:")
                                                    : tr("%1 objects could not be converted:"))
                                            .arg(left);
    return done + QLatin1Char('\n') + notDone;
}

QString RunReport::text() const
{
    QStringList lines{heading(), QString(), tr("Object\tStep\tReason")};
    for (const Failure& failure : failures_)
        lines.append(failure.name + QLatin1Char('\t') + stepName(failure.step) + QLatin1Char('\t') +
                     failure.reason);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
