#pragma once

#include <QFrame>

class QGroupBox;
class QLabel;
class ObjectList;
class QPushButton;

// The borderless frame over the tab strip's client area: the object list, its six commands and
// the counters, at fixed positions in twips.
class ObjectPane : public QFrame {
    Q_OBJECT

public:
    explicit ObjectPane(QWidget* parent = nullptr);

    QLabel* Label1;
    ObjectList* lstList;
    QPushButton* cmdSelect;
    QPushButton* cmdNone;
    QPushButton* cmdPreview;
    QPushButton* cmdExtract;
    QPushButton* cmdPalette;
    QPushButton* cmdConvert;
    QGroupBox* Frame2;
    QLabel* Label2;
    QLabel* lblFiles;
    QLabel* Label4;
    QLabel* lblSelected;
};
