#include "app/ui/OpenDialog.h"

#include <QCoreApplication>

std::optional<FilePicker::Picked> ShowOpenDialog(FilePicker& picker, QWidget* parent, const QString& kind,
                                                 const QString& title, const QString& folder)
{
    QString filter;
    if (kind == QLatin1String("vol"))
        filter = QCoreApplication::translate("ShowOpenDialog", "VOL Files (*.vol)");
    else if (kind == QLatin1String("extract") || kind == QLatin1String("vtlist"))
        filter = QCoreApplication::translate("ShowOpenDialog", "Application Files (*.exe)");
    else if (kind == QLatin1String("palette"))
        filter = QCoreApplication::translate("ShowOpenDialog", "Palette Files (*.pal)");
    return picker.pickExistingFile(parent, title, filter, folder);
}
