#pragma once

#include "app/core/SelectionRules.h"

#include <QFrame>

class QGroupBox;
class QLabel;
class QLineEdit;
class ObjectList;
class QPushButton;

// The borderless frame over the tab strip's client area: the object list, its six commands and
// the counters, placed in twips as MainLayout says for the window's inner size.
class ObjectPane : public QFrame {
    Q_OBJECT

public:
    explicit ObjectPane(QWidget* parent = nullptr);

    // Places the controls for a window whose inner area is `innerWidth` × `innerHeight` twips.
    void placeControls(double innerWidth, double innerHeight);
    // What the selection rules need to know of the list.
    SelectionRules::Selection selection() const;
    // Sets the pane's commands and the selected count as the rules say.
    void applyCommands(const SelectionRules::Commands& commands);
    // Fills the list, filtered as the filter box says; filling is not a selection by the user, so no
    // click is raised.
    void showNames(const QStringList& names);
    // A listing with rows: its counts, with Select All and Select None available.
    void markListed(int rows);
    // No archive shown: an empty list, no filter, the counters unknown and every command disabled.
    void showEmpty();
    // The selected rows, in list order.
    QList<int> selectedRows() const;

    QLabel* Label1;
    QLineEdit* filterBox;
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyFilter();
    void cmdSelect_Click();
    void cmdNone_Click();
};
