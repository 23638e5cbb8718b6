#include "app/ui/ContactSheetCommand.h"

#include "app/core/AppCore.h"
#include "app/ui/MainMenuBar.h"
#include "app/ui/ObjectPane.h"
#include "picture/ui/frmContactSheet.h"

#include <QMenu>

ContactSheetCommand::ContactSheetCommand(MainMenuBar& menus, const ObjectPane& pane, AppCore& core,
                                         const Seams& seams, QWidget* owner)
    : QObject(owner)
    , pane_(pane)
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
    if (!window_)
        window_ = new frmContactSheet(seams_.messages, seams_.files, core_.runner(), owner_);
    window_->show();
    window_->raise();
    window_->draw(core_.Picture, core_.conversionOptions(*vol), volPath, names,
                  core_.settings.parallelRuns());
}
