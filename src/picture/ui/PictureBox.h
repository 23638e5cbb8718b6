#pragma once

#include <QImage>
#include <QWidget>

// Draws a picture at its top left, at the size it was given; redrawn whenever it is exposed.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    void clear() { setPicture(QImage()); }
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};
