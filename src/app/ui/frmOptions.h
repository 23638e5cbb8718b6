#pragma once

#include "platform/ui/Seams.h"

#include <QDialog>

class AppCore;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The six path settings: the game's two tools, the working folder, the destination folder, the
// default palette and the palette folder, each with a Browse button, then how many tools run at once,
// at fixed places in twips.
class frmOptions : public QDialog {
    Q_OBJECT

public:
    frmOptions(AppCore& core, const Seams& seams, QWidget* owner);

    QLineEdit* txtExtract;
    QLineEdit* txtVtlist;
    QLineEdit* txtTemp;
    QLineEdit* txtDest;
    QLineEdit* txtDefault;
    QLineEdit* txtPalette;
    QSpinBox* spnParallel;
    QCheckBox* Check1;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;
    QPushButton* cmdApply;

public slots:
    void cmdApply_Click();
    void cmdOK_Click();

private:
    // Applies the boxes, unless a folder in them is refused (said, and nothing stored); whether applied.
    bool apply();
    // What a row's Browse asks for and how its answer becomes the row's text.
    enum class Pick { ExtractTool, ListTool, Folder, File };

    QLineEdit* addRow(const char* name, const QString& caption, int top, Pick pick, const QString& title);
    void browse(QLineEdit* box, Pick pick, const QString& title);

    AppCore& core_;
    Seams seams_;
    QList<QWidget*> captioned_;
};
