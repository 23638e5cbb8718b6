#pragma once

#include "platform/ui/BusyCursor.h"

#include <QDialog>
#include <QList>
#include <functional>
#include <optional>

class RunReport;
class QPushButton;
class ToolRunner;

// A modal window that does one long piece of work as soon as it is shown, then closes itself.
// Its client area and controls are placed in twips, with a Cancel button added below them; it
// opens centred over its owner. Cancel (or Escape) asks the work to stop (stopWork()).
class ProgressDialog : public QDialog {
    Q_OBJECT

public:
    // Runs a modal dialog to its end (Seams::runModal).
    using RunModal = std::function<int(QDialog&)>;

    ProgressDialog(QWidget* owner, const QString& caption, int widthTwips, int heightTwips,
                   ToolRunner& runner);

    // The objects done in every pass, retries included.
    int delivered() const { return delivered_; }

public slots:
    void cancel();

protected:
    // The work; runs once, after the window has been painted, with the busy pointer shown.
    virtual void work() = 0;
    // What Cancel does to the work under way.
    virtual void stopWork() = 0;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool isCancelled() const { return cancelled_; }
    // Ends one pass of a run: shows its report when an object was not done and gives the rows
    // that the user asked to run again, or none.
    QList<int> endOfPass(const RunReport& report, const RunModal& runModal);

private:
    void start();

    ToolRunner& runner_;
    QPushButton* cmdCancel;
    std::optional<BusyCursor> busy_;
    bool started_ = false;
    bool finished_ = false;
    bool cancelled_ = false;
    int delivered_ = 0;
};
