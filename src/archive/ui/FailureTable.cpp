#include "archive/ui/FailureTable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Logged with every message box, so that a bug report holds what the user was told.
Q_LOGGING_CATEGORY(shownTables, "kadrillo.messages", QtInfoMsg)

QPushButton* addButton(QDialogButtonBox* box, const QString& name, const QString& text,
                       QDialogButtonBox::ButtonRole role)
{
    QPushButton* button = box->addButton(text, role);
    button->setObjectName(name);
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return button;
}

} // namespace

FailureTable::FailureTable(const RunReport& report, QWidget* parent)
    : QDialog(parent)
    , tblFailures(new QTableWidget(int(report.failures().size()), 3, this))
    , report_(report)
{
    setObjectName(QStringLiteral("FailureTable"));
    setWindowTitle(report.title());
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    auto* heading = new QLabel(report.heading(), this);
    heading->setObjectName(QStringLiteral("lblHeading"));
    heading->setWordWrap(true);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(heading, 1);

    tblFailures->setObjectName(QStringLiteral("tblFailures"));
    tblFailures->setAccessibleName(tr("Objects not done"));
    heading->setBuddy(tblFailures);
    fillTable();

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copy =
        addButton(buttons, QStringLiteral("cmdCopy"), tr("&Copy"), QDialogButtonBox::ActionRole);
    copy->setToolTip(tr("Put the table on the clipboard as text"));
    QPushButton* retry =
        addButton(buttons, QStringLiteral("cmdRetry"), tr("&Retry failed"), QDialogButtonBox::AcceptRole);
    retry->setToolTip(tr("Run again on these objects only"));
    // A refused name is refused again, so a retry is only offered when it can change something.
    const QList<RunReport::Failure>& failures = report.failures();
    retry->setEnabled(std::any_of(failures.cbegin(), failures.cend(), [](const RunReport::Failure& failure) {
        return failure.step != RunReport::Step::RefusedName;
    }));
    QPushButton* close =
        addButton(buttons, QStringLiteral("cmdClose"), tr("Close"), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(copy, &QPushButton::clicked, this, &FailureTable::cmdCopy_Click);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tblFailures, 1);
    layout->addWidget(buttons);
    resize(640, 360);
}

void FailureTable::fillTable()
{
    tblFailures->setHorizontalHeaderLabels({tr("Object"), tr("Step"), tr("Reason")});
    tblFailures->verticalHeader()->hide();
    tblFailures->horizontalHeader()->setAccessibleName(tr("Columns"));
    // The corner button selects every row.
    if (auto* corner = tblFailures->findChild<QAbstractButton*>())
        corner->setAccessibleName(tr("Select all rows"));
    tblFailures->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblFailures->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblFailures->setAlternatingRowColors(true);
    tblFailures->setWordWrap(false);
    tblFailures->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    int row = 0;
    for (const RunReport::Failure& failure : report_.failures()) {
        const QStringList cells{failure.name, RunReport::stepName(failure.step), failure.reason};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells.at(column));
            item->setToolTip(cells.at(column));
            tblFailures->setItem(row, column, item);
        }
        ++row;
    }
    tblFailures->resizeColumnsToContents();
    tblFailures->horizontalHeader()->setStretchLastSection(true);
}

void FailureTable::cmdCopy_Click()
{
    QApplication::clipboard()->setText(report_.text());
}

void FailureTable::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    qCInfo(shownTables).noquote() << windowTitle() + QStringLiteral(": ") + report_.text();
}
