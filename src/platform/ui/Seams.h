#pragma once

#include <QDialog>
#include <functional>

class DesktopOpener;
class FilePicker;
class MessageBoxes;

// The parts of the desktop that the windows use and tests replace.
struct Seams {
    MessageBoxes& messages;
    FilePicker& files;
    DesktopOpener& desktop;
    // Runs a modal dialog to its end and gives its result; tests answer the dialog in place.
    std::function<int(QDialog&)> runModal = [](QDialog& dialog) {
        return dialog.exec();
    };
};
