#pragma once

#include <QList>
#include <QMainWindow>

class QLabel;

// The palette tool window: a 16 by 16 grid of colour cells.
class frmPalette : public QMainWindow {
    Q_OBJECT

public:
    explicit frmPalette(QWidget* parent = nullptr);

    QList<QLabel*> lblPalette;

signals:
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
};
