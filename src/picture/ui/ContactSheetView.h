#pragma once

#include <QWidget>

class ContactSheet;

// Draws a contact sheet at its own size, inside a scroll area; told when it grows.
class ContactSheetView : public QWidget {
    Q_OBJECT

public:
    explicit ContactSheetView(QWidget* parent = nullptr);

    // The sheet drawn, or none; the sheet must outlive its showing here.
    void setSheet(const ContactSheet* sheet);
    // A picture and its name were placed at `place`: the view takes the sheet's new size and draws it there.
    void grown(const QRect& place);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ContactSheet* sheet_ = nullptr;
};
