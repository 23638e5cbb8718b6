#include "platform/ui/QtFilePicker.h"

#include <QFileDialog>
#include <QFileInfo>

std::optional<FilePicker::Picked> QtFilePicker::pickExistingFile(QWidget* parent, const QString& title,
                                                                 const QString& filter, const QString& folder)
{
    const QString path = QFileDialog::getOpenFileName(parent, title, folder, filter);
    if (path.isEmpty())
        return std::nullopt;
    return Picked{path, QFileInfo(path).fileName()};
}

std::optional<QString> QtFilePicker::pickExistingFolder(QWidget* parent, const QString& title,
                                                        const QString& folder)
{
    const QString path = QFileDialog::getExistingDirectory(parent, title, folder);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtFilePicker::pickNewFile(QWidget* parent, const QString& title, const QString& filter)
{
    const QString path = QFileDialog::getSaveFileName(parent, title, QString(), filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}
