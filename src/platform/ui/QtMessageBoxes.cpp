#include "platform/ui/QtMessageBoxes.h"

#include <QLoggingCategory>
#include <QMessageBox>

namespace {

// What the user was told stays in the log (the journal, or a terminal's output) for a bug report.
Q_LOGGING_CATEGORY(shownMessages, "kadrillo.messages", QtInfoMsg)

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageBoxes::Buttons buttons)
{
    switch (buttons) {
    case MessageBoxes::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageBoxes::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageBoxes::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

MessageBoxes::Answer QtMessageBoxes::show(QWidget* parent, const QString& title, const QString& text,
                                          Buttons buttons, MessageIcon icon)
{
    qCInfo(shownMessages).noquote() << title + QStringLiteral(": ") + text;
    QMessageBox box(qtIcon(icon), title, text, qtButtons(buttons), parent);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        // A box closed by its title bar or Escape counts as its safest answer.
        if (buttons == Buttons::YesNoCancel)
            return Answer::Cancel;
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
}
