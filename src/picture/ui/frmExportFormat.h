#pragma once

#include "picture/core/PictureExport.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;
class QSpinBox;

// The choice of how the picture conversion writes its pictures: BMP files, or indexed PNG files with
// an optional transparent colour index.
class frmExportFormat : public QDialog {
    Q_OBJECT

public:
    frmExportFormat(const PictureExport& current, QWidget* parent = nullptr);

    // What the controls show now.
    PictureExport chosen() const;

    QRadioButton* optBmp;
    QRadioButton* optPng;
    QCheckBox* chkTransparent;
    QSpinBox* spnTransparent;

private:
    // The transparent index belongs to PNG files only.
    void enableControls();
};
