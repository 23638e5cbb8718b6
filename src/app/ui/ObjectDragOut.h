#pragma once

#include <QList>
#include <QObject>
#include <memory>

class MessageBoxes;
struct AppSettings;
class ObjectList;
class QMimeData;
class QTemporaryDir;
class ToolRunner;
class VolTable;

// Drags objects out of the object list to a file manager: the dragged objects are extracted with
// the tool runner into a staging folder of this run's own, offered as files, and the folder goes
// with the program.
class ObjectDragOut : public QObject {
    Q_OBJECT

public:
    // Runs as many tools at once as `settings` say.
    ObjectDragOut(ObjectList& list, ToolRunner& runner, const VolTable& vols, const AppSettings& settings,
                  MessageBoxes& messages, QObject* parent);
    ~ObjectDragOut() override;

    // The files of the current archive's objects at `rows`. Null while another tool run is waited
    // for, or when none could be written; the objects that failed are named in a warning.
    QMimeData* dragData(const QList<int>& rows);

private:
    // The staging folder inside the working folder, made when the first drag needs it and again
    // when the working folder has changed since.
    QString stagingFolder();

    ObjectList& list_;
    ToolRunner& runner_;
    const VolTable& vols_;
    const AppSettings& settings_;
    MessageBoxes& messages_;
    std::unique_ptr<QTemporaryDir> staging_;
};
