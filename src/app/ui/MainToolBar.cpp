#include "app/ui/MainToolBar.h"

#include <QStyle>

namespace {

// The text is not shown beside the icon; it names the button to screen readers.
QAction* addButton(QToolBar* bar, const char* key, const QString& text, const QString& tooltip,
                   const char* themeIcon, QStyle::StandardPixmap fallbackIcon)
{
    const QIcon icon = QIcon::fromTheme(QLatin1String(themeIcon), bar->style()->standardIcon(fallbackIcon));
    QAction* action = bar->addAction(icon, text);
    action->setObjectName(QLatin1String(key));
    action->setData(QLatin1String(key));
    action->setToolTip(tooltip);
    action->setEnabled(false);
    return action;
}

} // namespace

MainToolBar::MainToolBar(QWidget* parent)
    : QToolBar(parent)
{
    setObjectName(QStringLiteral("Toolbar1"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    open = addButton(this, "Open", tr("Open"), tr("Open (Ctrl + O)"), "document-open",
                     QStyle::SP_DialogOpenButton);
    open->setEnabled(true);
    list = addButton(this, "List", tr("Get List"), tr("Get List (Ctrl + L)"), "view-list-details",
                     QStyle::SP_FileDialogDetailedView);
    extract = addButton(this, "Extract", tr("Extract"), tr("Extract (Ctrl + E)"), "archive-extract",
                        QStyle::SP_DialogSaveButton);
    preview = addButton(this, "Preview", tr("Preview"), tr("Preview (Ctrl + P)"), "document-preview",
                        QStyle::SP_FileDialogContentsView);
    addSeparator();
    update =
        addButton(this, "Update", tr("Update"), tr("Update (Ctrl + U)"), "edit-undo", QStyle::SP_ArrowBack);
}
