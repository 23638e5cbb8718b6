#include "app/ui/ContactSheetCommand.h"

#include "app/core/AppState.h"
#include "app/ui/MainMenuBar.h"
#include "app/ui/ObjectPane.h"
#include "archive/core/ToolRunner.h"
#include "picture/ui/frmContactSheet.h"

#include <QMenu>

ContactSheetCommand::ContactSheetCommand(MainMenuBar& menus, const ObjectPane& pane, AppState& state,
                                         ToolRunner& runner, const Seams& seams, QWidget* owner)
    : QObject(owner)
    , pane_(pane)
    , state_(state)
    , runner_(runner)
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
    const VolRecord* vol = state_.Vols.current();
    if (!vol || runner_.isBusy() || (window_ && window_->isDrawing()))
        return;
    const QString volPath = vol->FilePath;
    const QStringList names = pictureNames(vol->ObjectNames, pane_.selectedRows());
    if (!window_)
        window_ = new frmContactSheet(seams_.messages, seams_.files, runner_, owner_);
    window_->show();
    window_->raise();
    window_->draw(state_.Picture, state_.conversionOptions(runner_, *vol), volPath, names,
                  state_.settings.parallelRuns());
}
