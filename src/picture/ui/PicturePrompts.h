#pragma once

#include "picture/core/PictureConversion.h"
#include "picture/core/PictureMessage.h"

#include <QList>
#include <optional>

class MessageBoxes;
class QWidget;

// How a window speaks for the palette and picture logic: it shows their messages, asks their
// questions and keeps the busy pointer on while a conversion works.
class PicturePrompts {
public:
    PicturePrompts(MessageBoxes& messages, QWidget* parent);

    // Shows the message, with an OK button; nothing when there is none.
    void show(const std::optional<PictureMessage>& message);
    void show(const QList<PictureMessage>& messages);
    // Asks with Yes and No under the program's title; true for Yes.
    bool ask(const PictureMessage& question);
    // Runs the conversion under the busy pointer, lifted while the user is asked. The window shows
    // the report's messages.
    PictureConversion::Report convert(PictureConversion& conversion,
                                      const PictureConversion::Options& options);

private:
    MessageBoxes& messages_;
    QWidget* parent_;
};
