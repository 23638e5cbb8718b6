#pragma once

#include "platform/ui/Seams.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

// The About box: the program's name and version, and a way to its read-me.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout(const Seams& seams, QWidget* owner);

    // "Version " and the build's major, minor and revision numbers.
    static QString versionText();

    void Form_Load();

    QGroupBox* Frame1;
    QLabel* Label1;
    QLabel* lblVersion;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QPushButton* cmdReadme;
    QPushButton* cmdOK;

public slots:
    void cmdReadme_Click();
    void cmdOK_Click();

private:
    Seams seams_;
};
