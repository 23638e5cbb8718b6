#pragma once

#include <QString>
#include <optional>

class QWidget;

// The open-file and folder dialogs; tests replace them with scripted answers.
class FilePicker {
public:
    struct Picked {
        QString path;  // full path of the chosen file
        QString title; // its file name alone
    };

    virtual ~FilePicker() = default;
    // `filter` in Qt's form ("VOL Files (*.vol)"), empty for all files; the picker starts in `folder`, or
    // where it last was when that is empty. Nothing when cancelled.
    virtual std::optional<Picked> pickExistingFile(QWidget* parent, const QString& title,
                                                   const QString& filter, const QString& folder) = 0;
    // The chosen folder's full path, starting in `folder` as above. Nothing when cancelled.
    virtual std::optional<QString> pickExistingFolder(QWidget* parent, const QString& title,
                                                      const QString& folder) = 0;
    // The full path of a file to write, new or to be replaced. Nothing when cancelled.
    virtual std::optional<QString> pickNewFile(QWidget* parent, const QString& title,
                                               const QString& filter) = 0;
};
