#pragma once

#include <QStatusBar>

class QLabel;
class QTimer;

// Status text in the first panel, the time of day in the last.
class MainStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit MainStatusBar(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const;

private:
    void showTime();

    QLabel* textPanel_;
    QLabel* clockPanel_;
    QTimer* clock_;
};
