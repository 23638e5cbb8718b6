#pragma once

#include "app/core/AppCore.h"

#include <QCoreApplication>

class MessageBoxes;
class QWidget;

// How the window says what the core's steps met, at start-up and after the options' Apply: a message box
// under the program's title, or the picture window's own for what reading the palette gave.
class NoticeBoxes {
    Q_DECLARE_TR_FUNCTIONS(NoticeBoxes)

public:
    NoticeBoxes(MessageBoxes& messages, QWidget* parent);

    void show(const AppCore::Notice& notice);
    // Whether start-up opens the options dialog after the notice, so that the user can correct the path
    // before the next step.
    static bool opensOptions(const AppCore::Notice& notice);

private:
    QString text(const AppCore::Notice& notice) const;

    MessageBoxes& messages_;
    QWidget* parent_;
};
