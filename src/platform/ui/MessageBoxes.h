#pragma once

#include "platform/core/MessageIcon.h"

#include <QCoreApplication>
#include <QString>

class QWidget;

// Every message the program shows goes through here, so tests can answer and record them.
class MessageBoxes {
    Q_DECLARE_TR_FUNCTIONS(MessageBoxes)

public:
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    // The title of every message that is not about an archive or a picture.
    static QString programTitle() { return QStringLiteral("Kadrillo"); }

    virtual ~MessageBoxes() = default;
    virtual Answer show(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
                        MessageIcon icon) = 0;

    // A problem with an archive or a picture: titled "Warning!", with an OK button.
    void warn(QWidget* parent, const QString& text, MessageIcon icon = MessageIcon::Exclamation)
    {
        show(parent, tr("Warning!"), text, Buttons::Ok, icon);
    }
};
