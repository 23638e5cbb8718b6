#pragma once

#include <QString>

// Makes Kadrillo the program that opens ".vol" files; the reason when that failed.
QString RegisterVolAssociation();
