#pragma once

#include <QStatusBar>

class QLabel;
class QTimer;
class QToolButton;
struct DeliveredFiles;

// Status text in the first panel, where the last run's files went in the next, with a button that opens
// that folder, and the time of day in the last.
class MainStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit MainStatusBar(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const;
    // Until the next run; a run that delivered nothing hides the panel and its button.
    void showDelivered(const DeliveredFiles& delivered);

signals:
    void openFolderRequested(const QString& folder);

private:
    void showTime();

    QLabel* textPanel_;
    QLabel* deliveredPanel_;
    QToolButton* openFolder_;
    QString deliveredFolder_;
    QLabel* clockPanel_;
    QTimer* clock_;
};
