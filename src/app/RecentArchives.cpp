#include "app/RecentArchives.h"

#include "app/MainMenuBar.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

const QString group = QStringLiteral("Recent Archives");
const QString prefix = QStringLiteral("Archive");

} // namespace

RecentArchives::RecentArchives(SettingsStore& store, MainMenuBar& menus, QObject* parent)
    : QObject(parent)
    , store_(store)
{
    // A hand-edited file may hold blanks, repeats or more than fit.
    for (const QString& path : store.readList(group, prefix)) {
        if (!path.isEmpty() && !paths_.contains(path) && paths_.size() < maximumCount)
            paths_.append(path);
    }
    for (int number = 1; number <= maximumCount; ++number) {
        auto* item = new QAction(&menus);
        item->setObjectName(QStringLiteral("mnuFileRecent%1").arg(number));
        menus.mnuFile->insertAction(menus.mnuFileExit, item);
        connect(item, &QAction::triggered, this,
                [this, number] { emit openRequested(paths_.value(number - 1)); });
        items_.append(item);
    }
    bar_ = menus.mnuFile->insertSeparator(menus.mnuFileExit);
    bar_->setObjectName(QStringLiteral("mnuFileRecentBar"));
    // Archives come and go while the program runs, so their state is looked at each time.
    connect(menus.mnuFile, &QMenu::aboutToShow, this, &RecentArchives::showInMenu);
    showInMenu();
}

void RecentArchives::add(const QString& path)
{
    paths_.removeAll(path);
    paths_.prepend(path);
    while (paths_.size() > maximumCount)
        paths_.removeLast();
    showInMenu();
}

void RecentArchives::save() const
{
    store_.writeList(group, prefix, paths_);
}

void RecentArchives::showInMenu()
{
    for (int index = 0; index < maximumCount; ++index) {
        QAction* item = items_[index];
        const bool used = index < paths_.size();
        item->setVisible(used);
        if (!used)
            continue;
        const QString path = QDir::toNativeSeparators(paths_[index]);
        // An ampersand in a file name is shown, not taken as an access key.
        item->setText(
            QStringLiteral("&%1 %2").arg(index + 1).arg(QString(path).replace(u'&', QStringLiteral("&&"))));
        item->setEnabled(QFileInfo(paths_[index]).isFile());
        item->setStatusTip(path);
    }
    bar_->setVisible(!paths_.isEmpty());
}
