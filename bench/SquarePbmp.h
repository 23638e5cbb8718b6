#pragma once

#include <QByteArray>

// An 8-bit PBMP of side x side with the fields the reader takes and every pixel 0; the chunks the
// reader skips are left as zeros.
QByteArray squarePbmp(int side);
