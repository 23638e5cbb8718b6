#include "app/ui/NoticeBoxes.h"

#include "picture/ui/PicturePrompts.h"
#include "platform/ui/MessageBoxes.h"

#include <QDir>

NoticeBoxes::NoticeBoxes(MessageBoxes& messages, QWidget* parent)
    : messages_(messages)
    , parent_(parent)
{
}

void NoticeBoxes::show(const AppCore::Notice& notice)
{
    if (notice.kind == AppCore::Notice::Kind::PaletteUnread) {
        PicturePrompts(messages_, parent_).show(notice.message);
        return;
    }
    const MessageIcon icon = notice.kind == AppCore::Notice::Kind::WorkFolderRefused
                                 ? MessageIcon::Exclamation
                                 : MessageIcon::None;
    messages_.show(parent_, MessageBoxes::programTitle(), text(notice), MessageBoxes::Buttons::Ok, icon);
}

bool NoticeBoxes::opensOptions(const AppCore::Notice& notice)
{
    switch (notice.kind) {
    case AppCore::Notice::Kind::WorkFolderRefused:
    case AppCore::Notice::Kind::ToolMissing:
    case AppCore::Notice::Kind::DefaultPaletteMissing:
        return true;
    case AppCore::Notice::Kind::ToolNotCopied:
    case AppCore::Notice::Kind::PaletteUnread:
        break;
    }
    return false;
}

QString NoticeBoxes::text(const AppCore::Notice& notice) const
{
    const QString shown = QDir::toNativeSeparators(notice.path);
    switch (notice.kind) {
    case AppCore::Notice::Kind::WorkFolderRefused:
        switch (notice.refusal) {
        case PrivateFolder::Status::NotOurs:
            return tr("The working folder %1 is not a folder of your own, so Kadrillo will not run the "
                      "game's "
                      "tools there. Choose another working folder in the options.")
                .arg(shown);
        case PrivateFolder::Status::WritableByOthers:
            return tr("The working folder %1 can be written by other users, so Kadrillo will not run the "
                      "game's tools there. Make it private (chmod 700) or choose another working folder in "
                      "the options.")
                .arg(shown);
        case PrivateFolder::Status::CannotCreate:
        case PrivateFolder::Status::Ready: // never a refusal
            break;
        }
        return tr("Cannot create the working folder \"%1\". Choose another working folder in the options.")
            .arg(shown);
    case AppCore::Notice::Kind::ToolMissing:
        return tr("Can not find %1.").arg(notice.tool);
    case AppCore::Notice::Kind::ToolNotCopied:
        return tr("Cannot copy %1 into the working folder %2.")
            .arg(shown, QDir::toNativeSeparators(notice.folder));
    case AppCore::Notice::Kind::DefaultPaletteMissing:
        return tr("Can not find the default palette.");
    case AppCore::Notice::Kind::PaletteUnread:
        break;
    }
    return notice.message.text;
}
