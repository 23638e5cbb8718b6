#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

class MessageBoxes;

// A modal window that does one long piece of work as soon as it is shown, then closes itself.
// Its client area and controls are placed in twips; it opens centred over its owner.
class ProgressDialog : public QDialog {
    Q_OBJECT

public:
    ProgressDialog(QWidget* owner, const QString& caption, int widthTwips, int heightTwips);

protected:
    // The work; runs once, after the window has been painted, with the busy pointer shown.
    virtual void work() = 0;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Ends a run with one warning that lists every object that failed, when any did. `heading`
    // is the sentence above the list, given the number of failures.
    void reportFailures(MessageBoxes& messages, const QStringList& failures,
                        const std::function<QString(qsizetype)>& heading);

private:
    void start();

    bool started_ = false;
    bool finished_ = false;
};
