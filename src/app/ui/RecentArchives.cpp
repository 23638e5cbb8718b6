#include "app/ui/RecentArchives.h"

#include "app/core/RecentArchiveList.h"
#include "app/ui/MainMenuBar.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

using RecentArchiveList::maximumCount;

RecentArchives::RecentArchives(SettingsStore& store, MainMenuBar& menus, QObject* parent)
    : QObject(parent)
    , store_(store)
    , paths_(RecentArchiveList::read(store))
{
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
    RecentArchiveList::write(store_, paths_);
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
