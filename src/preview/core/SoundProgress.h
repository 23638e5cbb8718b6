#pragma once

#include <QtGlobal>

// How far a sound has played, for the sound window's bar.
namespace SoundProgress {

// The position as a whole per cent of the length, a half rounded to the even neighbour; 0 when
// the length is not known, and never past 0 to 100.
int percent(qint64 position, qint64 length);

} // namespace SoundProgress
