#pragma once

#include "platform/ui/Seams.h"

#include <QObject>
#include <QPointer>

class AppCore;
class MainMenuBar;
class ObjectPane;
class QTabBar;
class frmContactSheet;

// View > Contact Sheet: the pictures of the current archive, or of the selected objects when more
// than one is selected, drawn in the contact sheet window. A picture chosen on the sheet is selected
// in the object list, alone, but not previewed by "Auto Preview", which would take the keys away from
// the sheet; one opened is previewed.
class ContactSheetCommand : public QObject {
    Q_OBJECT

public:
    ContactSheetCommand(MainMenuBar& menus, ObjectPane& pane, QTabBar& tabs, AppCore& core,
                        const Seams& seams, QWidget* owner);

    // The objects that go on the sheet: those ending in "bmp", as the command line converts them,
    // among the selected rows when there are several, else among all.
    static QStringList pictureNames(const QStringList& names, const QList<int>& selectedRows);
    void run();

signals:
    // The object list's selection was set from the sheet: the commands follow it.
    void selected();
    // A picture opened on the sheet is the object list's current row: the main window previews it.
    void previewRequested();

private:
    // Shows the archive's tab and selects the object alone; false when the archive is closed or the
    // object is not in its list.
    bool select(const QString& volPath, const QString& name);

    ObjectPane& pane_;
    QTabBar& tabs_;
    AppCore& core_;
    Seams seams_;
    QWidget* owner_;
    QPointer<frmContactSheet> window_;
};
