#pragma once

#include <QWidget>

class ScriptView;

// The strip at a script view's left that shows its line numbers; the view lays them out.
class LineNumberGutter : public QWidget {
    Q_OBJECT

public:
    explicit LineNumberGutter(ScriptView* view);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ScriptView* view_;
};
