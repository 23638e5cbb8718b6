#include "app/ui/ObjectPane.h"

#include "app/core/MainLayout.h"
#include "app/core/ObjectFilter.h"
#include "app/ui/ObjectList.h"
#include "platform/ui/Twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace {

QPushButton* command(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setEnabled(false);
    return button;
}

} // namespace

ObjectPane::ObjectPane(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame1"));
    setFrameShape(QFrame::NoFrame);

    Label1 = Twips::create<QLabel>(this, "Label1", tr("Objects in VOL file:"), 0, 0, 1350, 195);
    lstList = new ObjectList(this);
    lstList->setObjectName(QStringLiteral("lstList"));
    lstList->setAccessibleName(tr("Objects in VOL file"));
    lstList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstList->setUniformItemSizes(true);
    lstList->setSortingEnabled(false);
    Label1->setBuddy(lstList);
    filterBox = new QLineEdit(this);
    filterBox->setObjectName(QStringLiteral("filterBox"));
    filterBox->setAccessibleName(tr("Filter"));
    filterBox->setPlaceholderText(tr("Filter"));
    filterBox->setToolTip(tr("Show only the objects whose names hold this text, or match it with * and ? "
                             "(Ctrl+F; Escape clears)"));
    setTabOrder(filterBox, lstList);

    cmdSelect = command(this, "cmdSelect", tr("Select All"));
    cmdNone = command(this, "cmdNone", tr("Select None"));
    cmdPreview = command(this, "cmdPreview", tr("Preview"));
    cmdExtract = command(this, "cmdExtract", tr("Extract"));
    cmdPalette = command(this, "cmdPalette", tr("Extract Palettes"));
    cmdConvert = command(this, "cmdConvert", tr("Convert"));

    Frame2 = new QGroupBox(tr("Stats"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    placeControls(MainLayout::designedWidth, MainLayout::designedHeight);
    Label2 =
        Twips::create<QLabel>(Frame2, "Label2", tr("Number of files in the VOL file:"), 120, 240, 2130, 195);
    // The counts are twice as wide as drawn for the original's narrow font: the "######" shown before a
    // listing fits no desktop font at 8 points in 630 twips, and nothing stands to their right.
    constexpr int countWidth = 2 * 630;
    lblFiles = Twips::create<QLabel>(Frame2, "lblFiles", QStringLiteral("######"), 120, 480, countWidth, 195);
    Label4 = Twips::create<QLabel>(Frame2, "Label4", tr("Number of files selected:"), 120, 720, 1740, 195);
    lblSelected =
        Twips::create<QLabel>(Frame2, "lblSelected", QStringLiteral("######"), 120, 960, countWidth, 195);
    Twips::fitCaptions({Label1, cmdSelect, cmdNone, cmdPreview, cmdExtract, cmdPalette, cmdConvert, Frame2,
                        Label2, lblFiles, Label4, lblSelected});
    lstList->installEventFilter(this);
    connect(cmdSelect, &QPushButton::clicked, this, &ObjectPane::cmdSelect_Click);
    connect(cmdNone, &QPushButton::clicked, this, &ObjectPane::cmdNone_Click);
    connect(filterBox, &QLineEdit::textChanged, this, &ObjectPane::applyFilter);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, filterBox, [this] {
        filterBox->setFocus(Qt::ShortcutFocusReason);
        filterBox->selectAll();
    });
    auto* clear = new QShortcut(QKeySequence(Qt::Key_Escape), filterBox);
    clear->setContext(Qt::WidgetShortcut);
    connect(clear, &QShortcut::activated, filterBox, &QLineEdit::clear);
}

void ObjectPane::placeControls(double innerWidth, double innerHeight)
{
    using Control = MainLayout::PaneControl;
    for (const auto& [control, widget] : {std::pair<Control, QWidget*>{Control::Filter, filterBox},
                                          {Control::List, lstList},
                                          {Control::Select, cmdSelect},
                                          {Control::None, cmdNone},
                                          {Control::Preview, cmdPreview},
                                          {Control::Extract, cmdExtract},
                                          {Control::Palette, cmdPalette},
                                          {Control::Convert, cmdConvert},
                                          {Control::Stats, Frame2}}) {
        const MainLayout::Rect place = MainLayout::paneControl(control, innerWidth, innerHeight);
        Twips::place(widget, place.left, place.top, place.width, place.height);
    }
}

SelectionRules::Selection ObjectPane::selection() const
{
    SelectionRules::Selection selection;
    selection.selectedCount = int(lstList->selectionModel()->selectedRows().size());
    selection.rowCount = lstList->visibleCount();
    selection.hasCurrentRow = lstList->currentRow() >= 0;
    if (selection.hasCurrentRow)
        selection.currentName = lstList->currentItem()->text();
    return selection;
}

void ObjectPane::applyCommands(const SelectionRules::Commands& commands)
{
    cmdExtract->setEnabled(commands.extract);
    cmdPreview->setEnabled(commands.preview);
    cmdPreview->setDefault(commands.preview);
    cmdExtract->setDefault(!commands.preview);
    cmdPalette->setEnabled(commands.palette);
    cmdConvert->setEnabled(commands.convert);
    lblSelected->setText(commands.selectedCaption);
    cmdSelect->setEnabled(commands.selectAll);
    cmdNone->setEnabled(commands.selectNone);
}

void ObjectPane::showNames(const QStringList& names)
{
    const QSignalBlocker quiet(lstList);
    lstList->fill(names);
    lstList->showOnly(ObjectFilter(filterBox->text()));
}

void ObjectPane::markListed(int rows)
{
    cmdSelect->setEnabled(true);
    cmdNone->setEnabled(true);
    lblFiles->setText(QString::number(rows));
    lblSelected->setText(QStringLiteral("0"));
}

void ObjectPane::showEmpty()
{
    filterBox->clear();
    showNames({});
    for (QPushButton* button : {cmdSelect, cmdNone, cmdPreview, cmdExtract, cmdPalette, cmdConvert})
        button->setEnabled(false);
    lblFiles->setText(QStringLiteral("######"));
    lblSelected->setText(QStringLiteral("######"));
}

QList<int> ObjectPane::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : lstList->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

// Enter in the list presses the default command, as in a dialog.
bool ObjectPane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lstList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        QPushButton* byDefault = cmdPreview->isDefault() ? cmdPreview : cmdExtract;
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && byDefault->isEnabled()) {
            byDefault->click();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

// A filter that hides or shows rows without changing the selection still changes whether there is
// anything left for Select All.
void ObjectPane::applyFilter()
{
    lstList->showOnly(ObjectFilter(filterBox->text()));
    if (lstList->count() > 0) {
        const SelectionRules::Selection now = selection();
        cmdSelect->setEnabled(now.selectedCount < now.rowCount);
    }
}

void ObjectPane::cmdSelect_Click()
{
    const int last = lstList->lastVisibleRow();
    if (last < 0)
        return;
    // Marking every row ends, as it always has, with the last row current.
    lstList->selectionModel()->setCurrentIndex(lstList->model()->index(last, 0),
                                               QItemSelectionModel::NoUpdate);
    lstList->selectAll();
}

void ObjectPane::cmdNone_Click()
{
    lstList->clearSelection();
}
