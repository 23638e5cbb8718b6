#pragma once

#include "picture/core/PaletteListCodec.h"

#include <QDialog>
#include <QList>
#include <functional>
#include <optional>

class MessageBoxes;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class ToolRunner;
struct PictureState;

// Shows the palettes of the list the extraction tool left in "temp.ppl", one at a time, and writes
// the one shown, or all of them, as "<Id>.pal" where the palette search finds it.
class frmPalExtract : public QDialog {
    Q_OBJECT

public:
    // The program-wide settings it reads, and "Add Ppl", which it changes.
    struct Settings {
        const QString& destPath;
        const QString& palettePath;
        bool& addPpl;
    };

    frmPalExtract(const Settings& settings, const PictureState& pictures, const ToolRunner& runner,
                  MessageBoxes& messages, std::function<QString()> currentName, QWidget* parent = nullptr);

    // Reads "temp.ppl" and shows its first palette; why it cannot, or an empty text.
    QString load(const QString& listName);
    void showPalette();

    QLabel* lblName;
    QLabel* lblStatus;
    QLineEdit* txtIndex;
    QPushButton* cmdPrev;
    QPushButton* cmdNext;
    QList<QLabel*> lblPalette;
    QRadioButton* optPal;
    QRadioButton* optDest;
    QCheckBox* chkAdd;
    QPushButton* cmdExtract;
    QPushButton* cmdExtractAll;
    QPushButton* cmdOK;

signals:
    void unloaded();
    // Extract or Extract All wrote `count` palette files (none, when it could not) to `folder`.
    void palettesWritten(int count, const QString& folder);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void connectControls();
    // Where Extract writes, or nothing after saying why it may not write.
    std::optional<QString> chosenFolder();
    void cmdExtract_Click();
    // Writes every palette of the list as Extract would, then says what was written and what not.
    void extractAll();
    // Says so when the palettes would go into the working folder.
    bool outsideWorkFolder(const QString& folder);
    void setExtractEnabled(bool enabled);

    Settings settings_;
    const PictureState& pictures_;
    const ToolRunner& runner_;
    MessageBoxes& messages_;
    std::function<QString()> currentName_;
    QList<PaletteListCodec::PplPalette> PplPalettes;
    int CurrentIndex = 0;
    QString TargetFolder;
};
