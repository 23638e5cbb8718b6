#pragma once

#include "platform/ui/Seams.h"

#include <QObject>
#include <QPointer>

class AppCore;
class MainMenuBar;
class ObjectPane;
class frmContactSheet;

// View > Contact Sheet: the pictures of the current archive, or of the selected objects when more
// than one is selected, drawn in the contact sheet window.
class ContactSheetCommand : public QObject {
    Q_OBJECT

public:
    ContactSheetCommand(MainMenuBar& menus, const ObjectPane& pane, AppCore& core, const Seams& seams,
                        QWidget* owner);

    // The objects that go on the sheet: those ending in "bmp", as the command line converts them,
    // among the selected rows when there are several, else among all.
    static QStringList pictureNames(const QStringList& names, const QList<int>& selectedRows);
    void run();

private:
    const ObjectPane& pane_;
    AppCore& core_;
    Seams seams_;
    QWidget* owner_;
    QPointer<frmContactSheet> window_;
};
