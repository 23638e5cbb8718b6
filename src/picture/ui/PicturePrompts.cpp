#include "picture/ui/PicturePrompts.h"

#include "platform/ui/BusyCursor.h"
#include "platform/ui/MessageBoxes.h"

PicturePrompts::PicturePrompts(MessageBoxes& messages, QWidget* parent)
    : messages_(messages)
    , parent_(parent)
{
}

void PicturePrompts::show(const std::optional<PictureMessage>& message)
{
    if (!message)
        return;
    if (message->title == PictureMessage::Title::Warning)
        messages_.warn(parent_, message->text, message->icon);
    else
        messages_.show(parent_, MessageBoxes::programTitle(), message->text, MessageBoxes::Buttons::Ok,
                       message->icon);
}

void PicturePrompts::show(const QList<PictureMessage>& messages)
{
    for (const PictureMessage& message : messages)
        show(message);
}

bool PicturePrompts::ask(const PictureMessage& question)
{
    return messages_.show(parent_, MessageBoxes::programTitle(), question.text, MessageBoxes::Buttons::YesNo,
                          question.icon) == MessageBoxes::Answer::Yes;
}

PictureConversion::Report PicturePrompts::convert(PictureConversion& conversion,
                                                  const PictureConversion::Options& options)
{
    std::optional<BusyCursor> busy(std::in_place);
    return conversion.ConvertPicture(options, [&](const PictureMessage& question) {
        busy.reset();
        const bool yes = ask(question);
        busy.emplace();
        return yes;
    });
}
