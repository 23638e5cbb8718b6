#pragma once

class DesktopOpener;
class FilePicker;
class MessageBoxes;

// The parts of the desktop that the windows use and tests replace.
struct Seams {
    MessageBoxes& messages;
    FilePicker& files;
    DesktopOpener& desktop;
};
