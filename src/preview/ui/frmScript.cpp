#include "preview/ui/frmScript.h"

#include "archive/core/ToolRunner.h"
#include "archive/core/Windows1252.h"
#include "platform/ui/Twips.h"

#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <algorithm>
#include <cmath>

frmScript::frmScript(const ToolRunner& runner, QWidget* parent)
    : ToolWindow(parent)
    , rtfScript(new QPlainTextEdit)
    , runner_(runner)
{
    setObjectName(QStringLiteral("frmScript"));
    setWindowTitle(tr("Preview Script"));
    setCentralWidget(new QWidget(this));
    rtfScript->setParent(centralWidget());
    rtfScript->setObjectName(QStringLiteral("rtfScript"));
    rtfScript->setAccessibleName(tr("Script"));
    rtfScript->setReadOnly(true);
    rtfScript->setLineWrapMode(QPlainTextEdit::NoWrap);
    rtfScript->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    resize(Twips::toPixels(this, 0, 0, 6000, 4500).size());
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
    return {};
}

QRect frmScript::scriptBox(int innerWidth, int innerHeight)
{
    return QRect(10, 10, std::max(0, innerWidth - 20), std::max(0, innerHeight - 20));
}

void frmScript::resizeEvent(QResizeEvent* event)
{
    ToolWindow::resizeEvent(event);
    const QRect box = scriptBox(int(std::lround(width() * Twips::perPixelX(this))),
                                int(std::lround(height() * Twips::perPixelY(this))));
    Twips::place(rtfScript, box.left(), box.top(), box.width(), box.height());
}
