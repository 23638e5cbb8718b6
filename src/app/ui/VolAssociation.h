#pragma once

#include <QString>

class MessageBoxes;
class QWidget;

// Makes Kadrillo the program that opens ".vol" files; the reason when that failed.
QString RegisterVolAssociation();
// The same, telling the user when it failed.
void AssociateVolFiles(QWidget* window, MessageBoxes& messages);
