#include "preview/ui/frmScript.h"

#include "archive/core/ToolRunner.h"
#include "archive/core/Windows1252.h"
#include "platform/ui/Twips.h"
#include "preview/core/FindInText.h"
#include "preview/ui/ScriptHighlighter.h"
#include "preview/ui/ScriptView.h"

#include <QAction>
#include <QFile>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QShortcut>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>

frmScript::frmScript(const ToolRunner& runner, QWidget* parent)
    : ToolWindow(parent)
    , rtfScript(new ScriptView)
    , highlighter(new ScriptHighlighter(rtfScript->document()))
    , runner_(runner)
    , findBar_(addBar(QStringLiteral("findBar"), tr("Find")))
    , findText_(new QLineEdit(findBar_))
    , matchCount_(new QLabel(findBar_))
    , lineBar_(addBar(QStringLiteral("lineBar"), tr("Go to Line")))
    , lineNumber_(new QLineEdit(lineBar_))
{
    setObjectName(QStringLiteral("frmScript"));
    setWindowTitle(tr("Preview Script"));
    setCentralWidget(new QWidget(this));
    centralWidget()->installEventFilter(this);
    rtfScript->setParent(centralWidget());
    rtfScript->setObjectName(QStringLiteral("rtfScript"));
    rtfScript->setAccessibleName(tr("Script"));

    findText_->setObjectName(QStringLiteral("txtFind"));
    findText_->setAccessibleName(tr("Find"));
    findText_->setPlaceholderText(tr("Find"));
    findBar_->addWidget(findText_);
    connect(findText_, &QLineEdit::textChanged, this, &frmScript::findAgain);
    connect(findText_, &QLineEdit::returnPressed, this, [this] { findNext(false); });
    const auto addButton = [](QToolBar* bar, const QString& name, const QString& text, const QString& tip) {
        QAction* action = bar->addAction(text);
        action->setToolTip(tip);
        bar->widgetForAction(action)->setObjectName(name);
        bar->widgetForAction(action)->setAccessibleName(text);
        return action;
    };
    connect(addButton(findBar_, QStringLiteral("cmdFindPrevious"), tr("Previous"),
                      tr("Previous match (Shift+F3)")),
            &QAction::triggered, this, [this] { findNext(true); });
    connect(addButton(findBar_, QStringLiteral("cmdFindNext"), tr("Next"), tr("Next match (F3, Enter)")),
            &QAction::triggered, this, [this] { findNext(false); });
    matchCount_->setObjectName(QStringLiteral("lblMatches"));
    matchCount_->setAccessibleName(tr("Matches"));
    matchCount_->setMinimumWidth(fontMetrics().horizontalAdvance(tr("No matches")) + 12);
    findBar_->addWidget(matchCount_);
    connect(
        addButton(findBar_, QStringLiteral("cmdFindClose"), tr("Close"), tr("Close the find bar (Escape)")),
        &QAction::triggered, this, [this] { hideBar(findBar_); });

    lineNumber_->setObjectName(QStringLiteral("txtLine"));
    lineNumber_->setAccessibleName(tr("Line number"));
    lineNumber_->setValidator(new QIntValidator(1, std::numeric_limits<int>::max(), lineNumber_));
    lineNumber_->setMaximumWidth(fontMetrics().horizontalAdvance(u'9') * 12);
    lineBar_->addWidget(new QLabel(tr("Line:"), lineBar_));
    lineBar_->addWidget(lineNumber_);
    connect(lineNumber_, &QLineEdit::returnPressed, this, &frmScript::goToLine);
    connect(addButton(lineBar_, QStringLiteral("cmdGoToLine"), tr("Go"), tr("Go to this line (Enter)")),
            &QAction::triggered, this, &frmScript::goToLine);
    connect(
        addButton(lineBar_, QStringLiteral("cmdLineClose"), tr("Close"), tr("Close the line bar (Escape)")),
        &QAction::triggered, this, [this] { hideBar(lineBar_); });

    const auto addKey = [this](const QString& name, const QString& text, const QKeySequence& key,
                               const std::function<void()>& run) {
        auto* action = new QAction(text, this);
        action->setObjectName(name);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, run);
        addAction(action);
    };
    addKey(QStringLiteral("mnuFind"), tr("&Find..."), QKeySequence::Find,
           [this] { showBar(findBar_, findText_); });
    addKey(QStringLiteral("mnuFindNext"), tr("Find &Next"), QKeySequence::FindNext,
           [this] { findNext(false); });
    addKey(QStringLiteral("mnuFindPrevious"), tr("Find &Previous"), QKeySequence::FindPrevious,
           [this] { findNext(true); });
    addKey(QStringLiteral("mnuGoToLine"), tr("&Go to Line..."), QKeySequence(Qt::CTRL | Qt::Key_G),
           [this] { showBar(lineBar_, lineNumber_); });
    resize(Twips::toPixels(this, 0, 0, 6000, 4500).size());
}

QToolBar* frmScript::addBar(const QString& name, const QString& title)
{
    auto* bar = new QToolBar(title, this);
    bar->setObjectName(name);
    bar->setAccessibleName(title);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->hide();
    addToolBar(Qt::BottomToolBarArea, bar);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), bar, [this, bar] { hideBar(bar); });
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    return bar;
}

void frmScript::showBar(QToolBar* bar, QWidget* field)
{
    bar->show();
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
}

void frmScript::hideBar(QToolBar* bar)
{
    bar->hide();
    rtfScript->setFocus();
}

QString frmScript::loadFile()
{
    QFile file(runner_.workFolder().script());
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    rtfScript->setPlainText(Windows1252::decode(bytes));
    highlighter->restart();
    shown_ = rtfScript->toPlainText();
    matches_ = FindInText::matches(shown_, findText_->text());
    matchCount_->clear();
    return {};
}

void frmScript::showMatch(int line, qsizetype start, qsizetype length)
{
    const QTextBlock block = rtfScript->document()->findBlockByNumber(line - 1);
    if (!block.isValid())
        return;
    rtfScript->selectText(block.position() + start, length);
}

QRect frmScript::scriptBox(int innerWidth, int innerHeight)
{
    return QRect(10, 10, std::max(0, innerWidth - 20), std::max(0, innerHeight - 20));
}

// The inner area is what the find and line bars leave of the window.
bool frmScript::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        const QSize inner = static_cast<QResizeEvent*>(event)->size();
        const QRect box = scriptBox(int(std::lround(inner.width() * Twips::perPixelX(this))),
                                    int(std::lround(inner.height() * Twips::perPixelY(this))));
        Twips::place(rtfScript, box.left(), box.top(), box.width(), box.height());
    }
    return ToolWindow::eventFilter(watched, event);
}

void frmScript::findAgain()
{
    matches_ = FindInText::matches(shown_, findText_->text());
    const qsizetype match = FindInText::next(matches_, rtfScript->textCursor().selectionStart(), false);
    if (match >= 0) {
        select(match);
        return;
    }
    // No match leaves nothing selected, so that no earlier match passes for one.
    QTextCursor caret = rtfScript->textCursor();
    caret.setPosition(caret.selectionStart());
    rtfScript->setTextCursor(caret);
    matchCount_->setText(findText_->text().isEmpty() ? QString() : tr("No matches"));
}

void frmScript::findNext(bool backwards)
{
    if (findText_->text().isEmpty()) {
        showBar(findBar_, findText_);
        return;
    }
    const QTextCursor cursor = rtfScript->textCursor();
    const qsizetype match =
        FindInText::next(matches_, backwards ? cursor.selectionStart() : cursor.selectionEnd(), backwards);
    if (match >= 0)
        select(match);
}

void frmScript::select(qsizetype match)
{
    rtfScript->selectText(matches_.at(match), findText_->text().size());
    matchCount_->setText(tr("%1 of %2").arg(match + 1).arg(matches_.size()));
}

void frmScript::goToLine()
{
    bool isNumber = false;
    const int line = lineNumber_->text().toInt(&isNumber);
    if (!isNumber)
        return;
    rtfScript->goToLine(line);
    hideBar(lineBar_);
}
