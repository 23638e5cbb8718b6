#include "archive/ui/frmFind.h"

#include "archive/core/ObjectName.h"
#include "platform/core/SettingsStore.h"
#include "platform/ui/FilePicker.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString group = QStringLiteral("Find");

QPushButton* button(QWidget* parent, const char* name, const QString& text)
{
    auto* made = new QPushButton(text, parent);
    made->setObjectName(QLatin1String(name));
    made->setAccessibleName(QString(text).remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    return made;
}

enum Column { ArchiveColumn, ObjectColumn, KindColumn };

} // namespace

frmFind::frmFind(QWidget* owner, ToolRunner& runner, SettingsStore& store, const ArchiveSearch::Tools& tools,
                 int parallelRuns, const QString& defaultFolder, const Seams& seams)
    : SearchDialog(owner)
    , runner_(runner)
    , store_(store)
    , tools_(tools)
    , parallelRuns_(parallelRuns)
    , seams_(seams)
{
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(tr("Find in Archives"));
    setAccessibleName(windowTitle());
    txtFolder = new QLineEdit(store.read(group, QStringLiteral("Folder")).value_or(defaultFolder), this);
    txtFolder->setObjectName(QStringLiteral("txtFolder"));
    txtFolder->setAccessibleName(tr("Folder"));
    cmdBrowse = button(this, "cmdBrowse", tr("&Browse..."));
    chkSubfolders = new QCheckBox(tr("Include &subfolders"), this);
    chkSubfolders->setObjectName(QStringLiteral("chkSubfolders"));
    chkSubfolders->setAccessibleName(tr("Include subfolders"));
    chkSubfolders->setChecked(store.read(group, QStringLiteral("Subfolders")).value_or(QString()) ==
                              QLatin1String("True"));
    txtPattern = new QLineEdit(store.read(group, QStringLiteral("Pattern")).value_or(QString()), this);
    txtPattern->setObjectName(QStringLiteral("txtPattern"));
    txtPattern->setAccessibleName(tr("Name pattern"));
    txtPattern->setPlaceholderText(tr("every object; * and ? as wildcards"));
    cmdFind = button(this, "cmdFind", tr("&Find"));
    cmdFind->setDefault(true);
    cmdCancel = button(this, "cmdCancel", tr("Cancel"));
    prgListed = new QProgressBar(this);
    prgListed->setObjectName(QStringLiteral("prgListed"));
    prgListed->setAccessibleName(tr("Archives listed"));
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setAccessibleName(tr("Search status"));
    lvwFound = new QTreeWidget(this);
    lvwFound->setObjectName(QStringLiteral("lvwFound"));
    lvwFound->setAccessibleName(tr("Objects found"));
    lvwFound->setHeaderLabels({tr("Archive"), tr("Object"), tr("Kind")});
    lvwFound->setRootIsDecorated(false);
    lvwFound->setUniformRowHeights(true);
    lvwFound->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The object column takes the room left, so that a long reason never pushes the kind out of sight.
    lvwFound->header()->setStretchLastSection(false);
    lvwFound->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lvwFound->header()->setSectionResizeMode(ObjectColumn, QHeaderView::Stretch);
    cmdExtract = button(this, "cmdExtract", tr("&Extract"));
    cmdPreview = button(this, "cmdPreview", tr("&Preview"));
    cmdConvert = button(this, "cmdConvert", tr("Con&vert"));
    cmdClose = button(this, "cmdClose", tr("Close"));

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(txtFolder, 1);
    folderRow->addWidget(cmdBrowse);
    auto* form = new QFormLayout;
    auto* folderLabel = new QLabel(tr("F&older:"), this);
    folderLabel->setBuddy(txtFolder);
    form->addRow(folderLabel, folderRow);
    form->addRow(QString(), chkSubfolders);
    auto* patternLabel = new QLabel(tr("&Name:"), this);
    patternLabel->setBuddy(txtPattern);
    form->addRow(patternLabel, txtPattern);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(prgListed, 1);
    searchRow->addWidget(cmdFind);
    searchRow->addWidget(cmdCancel);
    auto* commands = new QHBoxLayout;
    commands->addWidget(cmdExtract);
    commands->addWidget(cmdPreview);
    commands->addWidget(cmdConvert);
    commands->addStretch(1);
    commands->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(searchRow);
    layout->addWidget(lblStatus);
    layout->addWidget(lvwFound, 1);
    layout->addLayout(commands);
    resize(640, 480);

    setResults(lvwFound);
    connect(cmdFind, &QPushButton::clicked, this, &frmFind::cmdFind_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFind::cmdCancel_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmFind::close);
    connect(cmdBrowse, &QPushButton::clicked, this, [this] {
        if (const std::optional<QString> folder =
                seams_.files.pickExistingFolder(this, tr("Find in Archives"), txtFolder->text()))
            txtFolder->setText(QDir::toNativeSeparators(*folder));
    });
    connect(lvwFound, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const ArchiveSearch::FoundObject& row = rows_.at(lvwFound->indexOfTopLevelItem(item));
        if (row.problem.isEmpty())
            emit openRequested(row.path, row.object, row.order);
    });
    connect(lvwFound, &QTreeWidget::itemSelectionChanged, this, &frmFind::updateCommands);
    connect(cmdExtract, &QPushButton::clicked, this, &frmFind::extractRequested);
    connect(cmdPreview, &QPushButton::clicked, this, &frmFind::previewRequested);
    connect(cmdConvert, &QPushButton::clicked, this, &frmFind::convertRequested);
    setSearching(false);
}

frmFind::~frmFind() = default;

void frmFind::cmdFind_Click()
{
    if (search() || runner_.isBusy())
        return;
    const QString folder = QDir::fromNativeSeparators(txtFolder->text());
    store_.write(group, QStringLiteral("Folder"), txtFolder->text());
    store_.write(group, QStringLiteral("Subfolders"),
                 chkSubfolders->isChecked() ? QStringLiteral("True") : QStringLiteral("False"));
    store_.write(group, QStringLiteral("Pattern"), txtPattern->text());
    lvwFound->clear();
    rows_.clear();
    listed_.clear();
    if (!QFileInfo(folder).isDir()) {
        lblStatus->setText(tr("%1 is not a folder.").arg(txtFolder->text()));
        return;
    }
    ArchiveSearch search(runner_, cache_, tools_, parallelRuns_);
    setSearch(&search);
    connect(&search, &ArchiveSearch::progressed, this, [this](int done, int total) {
        prgListed->setRange(0, std::max(total, 1));
        prgListed->setValue(done);
        lblStatus->setText(tr("%1 of %2 archives listed").arg(done).arg(total));
    });
    setSearching(true);
    listed_ = search.list(ArchiveFolder::find(folder, chkSubfolders->isChecked()));
    setSearch(nullptr);
    setSearching(false);
    showRows(ArchiveSearch::matches(listed_, NamePattern(txtPattern->text())));
    const auto found = std::count_if(rows_.cbegin(), rows_.cend(), [](const ArchiveSearch::FoundObject& row) {
        return row.problem.isEmpty();
    });
    // One text for one and one for more, so that English reads well without a catalogue of its own.
    const QString objects = found == 1 ? tr("1 object") : tr("%1 objects").arg(found);
    const QString archives = listed_.size() == 1 ? tr("1 archive") : tr("%1 archives").arg(listed_.size());
    const QString count = tr("%1 found in %2", "objects, archives").arg(objects, archives);
    lblStatus->setText(search.isCancelled() ? tr("Cancelled: %1").arg(count) : count);
}

void frmFind::cmdCancel_Click()
{
    cancelSearch();
}

void frmFind::showRows(const QList<ArchiveSearch::FoundObject>& rows)
{
    rows_ = rows;
    QList<QTreeWidgetItem*> items;
    for (const ArchiveSearch::FoundObject& row : rows) {
        auto* item = new QTreeWidgetItem;
        item->setText(ArchiveColumn, row.archive);
        if (row.problem.isEmpty()) {
            item->setText(ObjectColumn, row.object);
            item->setText(KindColumn, ObjectName::kindName(ObjectName::kindOf(row.object)));
        } else {
            item->setText(ObjectColumn, tr("cannot be listed: %1").arg(row.problem));
            item->setToolTip(ObjectColumn, row.problem);
            item->setText(KindColumn, tr("not listed"));
            item->setForeground(ObjectColumn, palette().brush(QPalette::Disabled, QPalette::Text));
        }
        items.append(item);
    }
    lvwFound->addTopLevelItems(items);
    if (!items.isEmpty())
        lvwFound->setCurrentItem(items.first(), 0, QItemSelectionModel::NoUpdate);
    updateCommands();
}

QList<ArchiveSearch::FoundObject> frmFind::selectedRows() const
{
    QList<ArchiveSearch::FoundObject> selected;
    for (int index = 0; index < lvwFound->topLevelItemCount(); ++index) {
        if (lvwFound->topLevelItem(index)->isSelected() && rows_.at(index).problem.isEmpty())
            selected.append(rows_.at(index));
    }
    return selected;
}

void frmFind::setSearching(bool searching)
{
    cmdFind->setEnabled(!searching);
    cmdCancel->setEnabled(searching);
    for (QWidget* input : QList<QWidget*>{txtFolder, cmdBrowse, chkSubfolders, txtPattern})
        input->setEnabled(!searching);
    if (searching) {
        prgListed->setRange(0, 0);
        cmdCancel->setFocus();
    }
    updateCommands();
}

void frmFind::updateCommands()
{
    const QList<ArchiveSearch::FoundObject> selected = selectedRows();
    const bool idle = !search();
    cmdExtract->setEnabled(idle && !selected.isEmpty());
    cmdConvert->setEnabled(idle && std::any_of(selected.cbegin(), selected.cend(), [](const auto& row) {
                               return ObjectName::kindOf(row.object) == ObjectName::Kind::Picture;
                           }));
    cmdPreview->setEnabled(idle && selected.size() == 1);
}
