#pragma once

#include "platform/core/FileAssociation.h"

class MessageBoxes;
class QWidget;

// The association that makes this program the one that opens ".vol" files.
FileAssociation VolAssociation();
// Installs it; the line for the status bar that says what was done, or empty after telling the user
// why it failed.
QString AssociateVolFiles(QWidget* window, MessageBoxes& messages);
