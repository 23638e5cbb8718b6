#pragma once

#include "archive/core/ArchiveCache.h"
#include "archive/core/ArchiveSearch.h"
#include "archive/ui/SearchDialog.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;

// Find in Scripts: the lines that hold a text (or a regular expression) in every ".cs" and ".txt"
// object of the current archive, of every open archive, or of the archives a Find in Archives found;
// each script is extracted once, several at once, and read as Windows-1252 text. One row per line,
// the match highlighted; opening a row asks the main window for the script window at that line.
class frmFindScripts : public SearchDialog {
    Q_OBJECT

public:
    enum class Scope { CurrentArchive, OpenArchives, FoundArchives };
    // The archives of a scope, as the main window knows them.
    using Archives = std::function<QList<ArchiveFolder::Found>(Scope)>;

    frmFindScripts(QWidget* owner, ToolRunner& runner, const ArchiveSearch::Tools& tools, int parallelRuns,
                   Archives archives);
    ~frmFindScripts() override;

    // The rows of the last search, in the order shown.
    const QList<ArchiveSearch::FoundLine>& rows() const { return rows_; }

public slots:
    void cmdFind_Click();
    void cmdCancel_Click();

signals:
    // The script of a row was asked for, at the match.
    void scriptRequested(const QString& archivePath, const QString& scriptName, int line, qsizetype start,
                         qsizetype length);

private:
    void showRows();
    void setSearching(bool searching);

    ToolRunner& runner_;
    ArchiveSearch::Tools tools_;
    int parallelRuns_;
    Archives archives_;
    ArchiveCache cache_;
    QList<ArchiveSearch::FoundLine> rows_;

public:
    QComboBox* cboScope;
    QLineEdit* txtText;
    QCheckBox* chkRegex;
    QCheckBox* chkCase;
    QPushButton* cmdFind;
    QPushButton* cmdCancel;
    QProgressBar* prgRead;
    QLabel* lblStatus;
    QTreeWidget* lvwLines;
    QPushButton* cmdClose;
};
