#pragma once

#include <QWidget>

class ContactSheet;

// Draws a contact sheet at its own size, inside a scroll area; told when it grows. One cell is
// current: a click or the keys (arrows, Home, End) choose it, a double-click or Enter opens it.
class ContactSheetView : public QWidget {
    Q_OBJECT

public:
    explicit ContactSheetView(QWidget* parent = nullptr);

    // The sheet drawn, or none; the sheet must outlive its showing here. No cell is current then.
    void setSheet(const ContactSheet* sheet);
    // A picture and its label were placed at `place`: the view takes the sheet's new size and draws it there.
    void grown(const QRect& place);
    // The current cell, or -1.
    int current() const { return current_; }
    QSize sizeHint() const override;

signals:
    // The user made cell `index` current.
    void chosen(int index);
    void opened(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choose(int index);

    const ContactSheet* sheet_ = nullptr;
    int current_ = -1;
};
