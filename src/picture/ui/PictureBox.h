#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <optional>

// Draws a picture at its top left, each pixel as a square of zoom × zoom; only the part in view is
// drawn, whenever it is exposed. Scroll bars, the arrow keys and dragging pan a picture larger than the
// box; Ctrl+wheel asks for another zoom.
class PictureBox : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    void clear() { setPicture(QImage()); }
    const QImage& picture() const { return picture_; }
    int zoom() const { return zoom_; }
    void setZoom(int zoom);
    // Where the viewport's top left lies on the zoomed picture.
    QPoint offset() const;
    void scrollTo(QPoint offset);

signals:
    // Ctrl+wheel: one step in (a positive count) or out, about that point of the viewport.
    void zoomAsked(int steps, QPoint anchor);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void updateScrollBars();
    bool pannable() const;

    QImage picture_;
    int zoom_ = 1;
    int wheelTurned_ = 0; // eighths of a degree not yet made into a step
    std::optional<QPoint> dragFrom_;
    QPoint dragOffset_;
};
