#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>

// Answers modal dialogs from a script, in order (nothing queued: closed with Cancel), and records
// the object name of each dialog run.
class ScriptedDialogs {
public:
    using Answer = std::function<void(QDialog&)>;

    // Queues what a test does in the next dialog before it would have closed.
    void willAnswer(const Answer& answer) { answers_.append(answer); }
    int run(QDialog& dialog)
    {
        run_.append(dialog.objectName());
        if (!answers_.isEmpty())
            answers_.takeFirst()(dialog);
        if (dialog.result() != QDialog::Accepted)
            dialog.reject();
        return dialog.result();
    }
    const QStringList& dialogsRun() const { return run_; }

private:
    QList<Answer> answers_;
    QStringList run_;
};
