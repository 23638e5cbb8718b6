#include "archive/ui/frmFindScripts.h"

#include "archive/ui/MatchDelegate.h"

#include <QCheckBox>
#include <QComboBox>
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

QPushButton* button(QWidget* parent, const char* name, const QString& text)
{
    auto* made = new QPushButton(text, parent);
    made->setObjectName(QLatin1String(name));
    made->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return made;
}

QCheckBox* tick(QWidget* parent, const char* name, const QString& text)
{
    auto* made = new QCheckBox(text, parent);
    made->setObjectName(QLatin1String(name));
    made->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return made;
}

enum Column { ArchiveColumn, ScriptColumn, LineColumn, TextColumn };

} // namespace

frmFindScripts::frmFindScripts(QWidget* owner, ToolRunner& runner, const ArchiveSearch::Tools& tools,
                               int parallelRuns, Archives archives)
    : SearchDialog(owner)
    , runner_(runner)
    , tools_(tools)
    , parallelRuns_(parallelRuns)
    , archives_(std::move(archives))
{
    setObjectName(QStringLiteral("frmFindScripts"));
    setWindowTitle(tr("Find in Scripts"));
    setAccessibleName(windowTitle());
    cboScope = new QComboBox(this);
    cboScope->setObjectName(QStringLiteral("cboScope"));
    cboScope->setAccessibleName(tr("Search in"));
    cboScope->addItems(
        {tr("The current archive"), tr("Every open archive"), tr("The archives Find in Archives found")});
    txtText = new QLineEdit(this);
    txtText->setObjectName(QStringLiteral("txtText"));
    txtText->setAccessibleName(tr("Text to find"));
    chkRegex = tick(this, "chkRegex", tr("&Regular expression"));
    chkCase = tick(this, "chkCase", tr("&Case-sensitive"));
    cmdFind = button(this, "cmdFind", tr("&Find"));
    cmdFind->setDefault(true);
    cmdCancel = button(this, "cmdCancel", tr("Cancel"));
    prgRead = new QProgressBar(this);
    prgRead->setObjectName(QStringLiteral("prgRead"));
    prgRead->setAccessibleName(tr("Scripts read"));
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setAccessibleName(tr("Search status"));
    lvwLines = new QTreeWidget(this);
    lvwLines->setObjectName(QStringLiteral("lvwLines"));
    lvwLines->setAccessibleName(tr("Lines found"));
    lvwLines->setHeaderLabels({tr("Archive"), tr("Script"), tr("Line"), tr("Text")});
    lvwLines->setRootIsDecorated(false);
    lvwLines->setUniformRowHeights(true);
    lvwLines->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lvwLines->setItemDelegateForColumn(TextColumn, new MatchDelegate(lvwLines));
    cmdClose = button(this, "cmdClose", tr("Close"));

    auto* form = new QFormLayout;
    auto* scopeLabel = new QLabel(tr("&Search in:"), this);
    scopeLabel->setBuddy(cboScope);
    form->addRow(scopeLabel, cboScope);
    auto* textLabel = new QLabel(tr("&Text:"), this);
    textLabel->setBuddy(txtText);
    form->addRow(textLabel, txtText);
    auto* ticks = new QHBoxLayout;
    ticks->addWidget(chkRegex);
    ticks->addWidget(chkCase);
    ticks->addStretch(1);
    form->addRow(QString(), ticks);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(prgRead, 1);
    searchRow->addWidget(cmdFind);
    searchRow->addWidget(cmdCancel);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(searchRow);
    layout->addWidget(lblStatus);
    layout->addWidget(lvwLines, 1);
    layout->addLayout(closeRow);
    resize(720, 480);

    setResults(lvwLines);
    connect(cmdFind, &QPushButton::clicked, this, &frmFindScripts::cmdFind_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFindScripts::cmdCancel_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmFindScripts::close);
    connect(lvwLines, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const ArchiveSearch::FoundLine& row = rows_.at(lvwLines->indexOfTopLevelItem(item));
        if (!row.problem.isEmpty())
            return;
        const ScriptSearch::Span span = row.match.spans.value(0);
        emit scriptRequested(row.path, row.script, row.match.number, span.start, span.length);
    });
    setSearching(false);
}

frmFindScripts::~frmFindScripts() = default;

void frmFindScripts::cmdFind_Click()
{
    if (search() || runner_.isBusy())
        return;
    const ScriptSearch text(txtText->text(), chkRegex->isChecked(), chkCase->isChecked());
    lvwLines->clear();
    rows_.clear();
    if (!text.refusal().isEmpty()) {
        lblStatus->setText(text.refusal());
        return;
    }
    const QList<ArchiveFolder::Found> archives = archives_(Scope(cboScope->currentIndex()));
    if (archives.isEmpty()) {
        lblStatus->setText(tr("There is no archive to search."));
        return;
    }
    ArchiveSearch search(runner_, cache_, tools_, parallelRuns_);
    setSearch(&search);
    connect(&search, &ArchiveSearch::progressed, this, [this](int done, int total) {
        prgRead->setRange(0, std::max(total, 1));
        prgRead->setValue(done);
        lblStatus->setText(tr("%1 of %2 scripts read").arg(done).arg(total));
    });
    setSearching(true);
    rows_ = search.searchScripts(search.list(archives), text);
    setSearch(nullptr);
    setSearching(false);
    showRows();
    const auto found = std::count_if(rows_.cbegin(), rows_.cend(), [](const ArchiveSearch::FoundLine& row) {
        return row.problem.isEmpty();
    });
    const QString count = found == 1 ? tr("1 line found") : tr("%1 lines found").arg(found);
    lblStatus->setText(search.isCancelled() ? tr("Cancelled: %1").arg(count) : count);
}

void frmFindScripts::cmdCancel_Click()
{
    cancelSearch();
}

void frmFindScripts::showRows()
{
    QList<QTreeWidgetItem*> items;
    for (const ArchiveSearch::FoundLine& row : std::as_const(rows_)) {
        auto* item = new QTreeWidgetItem;
        item->setText(ArchiveColumn, row.archive);
        item->setText(ScriptColumn, row.script);
        if (!row.problem.isEmpty()) {
            item->setText(TextColumn, row.script.isEmpty() ? tr("cannot be listed: %1").arg(row.problem)
                                                           : tr("cannot be read: %1").arg(row.problem));
            item->setForeground(TextColumn, palette().brush(QPalette::Disabled, QPalette::Text));
        } else {
            item->setText(LineColumn, QString::number(row.match.number));
            item->setTextAlignment(LineColumn, Qt::AlignRight | Qt::AlignVCenter);
            item->setText(TextColumn, row.match.line);
            QVariantList spans;
            for (const ScriptSearch::Span& span : row.match.spans)
                spans << QVariant::fromValue(int(span.start)) << QVariant::fromValue(int(span.length));
            item->setData(TextColumn, MatchDelegate::spansRole, spans);
        }
        items.append(item);
    }
    lvwLines->addTopLevelItems(items);
    if (!items.isEmpty())
        lvwLines->setCurrentItem(items.first(), 0, QItemSelectionModel::NoUpdate);
}

void frmFindScripts::setSearching(bool searching)
{
    cmdFind->setEnabled(!searching);
    cmdCancel->setEnabled(searching);
    for (QWidget* input : QList<QWidget*>{cboScope, txtText, chkRegex, chkCase})
        input->setEnabled(!searching);
    if (searching) {
        prgRead->setRange(0, 0);
        cmdCancel->setFocus();
    }
}
