#pragma once

#include "archive/core/ArchiveCache.h"
#include "archive/core/ArchiveSearch.h"
#include "archive/ui/SearchDialog.h"
#include "platform/ui/Seams.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class SettingsStore;

// Find in Archives: the objects whose names match a pattern in every archive of a folder (and its
// subfolders when ticked), one row each with its archive and kind; an archive that cannot be listed
// is a row with the reason. The folder, the tick and the pattern are kept in the settings group
// "Find". The window opens, extracts, previews and converts nothing itself: it asks the main window.
class frmFind : public SearchDialog {
    Q_OBJECT

public:
    // `defaultFolder` is used until a folder is kept in the settings.
    frmFind(QWidget* owner, ToolRunner& runner, SettingsStore& store, const ArchiveSearch::Tools& tools,
            int parallelRuns, const QString& defaultFolder, const Seams& seams);
    ~frmFind() override;

    // The archives listed by the last search, for Find in Scripts.
    const QList<ListingJob::Listed>& listed() const { return listed_; }
    // The selected rows, problems left out, in the order of the list.
    QList<ArchiveSearch::FoundObject> selectedRows() const;

public slots:
    void cmdFind_Click();
    void cmdCancel_Click();

signals:
    // The object of a row was asked for: its archive's tab, the object selected and shown.
    void openRequested(const QString& archivePath, const QString& objectName, int order);
    // The selected rows (selectedRows()) to extract, preview or convert as the main window does.
    void extractRequested();
    void previewRequested();
    void convertRequested();

private:
    void showRows(const QList<ArchiveSearch::FoundObject>& rows);
    void setSearching(bool searching);
    void updateCommands();

    ToolRunner& runner_;
    SettingsStore& store_;
    ArchiveSearch::Tools tools_;
    int parallelRuns_;
    Seams seams_;
    ArchiveCache cache_;
    QList<ArchiveSearch::FoundObject> rows_;
    QList<ListingJob::Listed> listed_;

public:
    QLineEdit* txtFolder;
    QPushButton* cmdBrowse;
    QCheckBox* chkSubfolders;
    QLineEdit* txtPattern;
    QPushButton* cmdFind;
    QPushButton* cmdCancel;
    QProgressBar* prgListed;
    QLabel* lblStatus;
    QTreeWidget* lvwFound;
    QPushButton* cmdExtract;
    QPushButton* cmdPreview;
    QPushButton* cmdConvert;
    QPushButton* cmdClose;
};
