#include "app/ui/ContactSheetCommand.h"

#include "app/core/AppCore.h"
#include "app/ui/MainMenuBar.h"
#include "app/ui/ObjectList.h"
#include "app/ui/ObjectPane.h"
#include "picture/ui/frmContactSheet.h"

#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QTabBar>

ContactSheetCommand::ContactSheetCommand(MainMenuBar& menus, ObjectPane& pane, QTabBar& tabs, AppCore& core,
                                         const Seams& seams, QWidget* owner)
    : QObject(owner)
    , pane_(pane)
    , tabs_(tabs)
    , core_(core)
    , seams_(seams)
    , owner_(owner)
{
    QAction* item = menus.mnuView->addAction(tr("&Contact Sheet"), this, &ContactSheetCommand::run);
    item->setObjectName(QStringLiteral("mnuViewContactSheet"));
}

QStringList ContactSheetCommand::pictureNames(const QStringList& names, const QList<int>& selectedRows)
{
    QStringList pictures;
    const auto take = [&pictures](const QString& name) {
        if (name.endsWith(QLatin1String("bmp"), Qt::CaseInsensitive))
            pictures.append(name);
    };
    if (selectedRows.size() > 1) {
        for (const int row : selectedRows)
            take(names.value(row));
    } else {
        for (const QString& name : names)
            take(name);
    }
    return pictures;
}

void ContactSheetCommand::run()
{
    const VolRecord* vol = core_.Vols.current();
    if (!vol || core_.runner().isBusy() || (window_ && window_->isDrawing()))
        return;
    const QString volPath = vol->FilePath;
    const QStringList names = pictureNames(vol->ObjectNames, pane_.selectedRows());
    if (!window_) {
        window_ = new frmContactSheet(seams_.messages, seams_.files, core_.runner(), owner_);
        connect(window_, &frmContactSheet::pictureChosen, this, &ContactSheetCommand::select);
        connect(window_, &frmContactSheet::pictureOpened, this,
                [this](const QString& path, const QString& name) {
                    if (select(path, name))
                        emit previewRequested();
                });
    }
    window_->show();
    window_->raise();
    window_->draw(core_.Picture, core_.conversionOptions(*vol), volPath, names,
                  core_.settings.parallelRuns());
}

bool ContactSheetCommand::select(const QString& volPath, const QString& name)
{
    const VolRecord* vol = core_.Vols.current();
    for (int index = 1; (!vol || vol->FilePath != volPath) && index <= core_.Vols.VolCount(); ++index) {
        if (core_.Vols.record(index)->FilePath == volPath) {
            tabs_.setCurrentIndex(index - 1);
            vol = core_.Vols.current();
        }
    }
    ObjectList* list = pane_.lstList;
    const int row = vol && vol->FilePath == volPath ? int(vol->ObjectNames.indexOf(name)) : -1;
    if (row < 0 || row >= list->count())
        return false;
    // A row the filter hides cannot be selected.
    if (list->item(row)->isHidden())
        pane_.filterBox->clear();
    {
        const QSignalBlocker quiet(list);
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    emit selected();
    return true;
}
