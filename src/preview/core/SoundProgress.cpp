#include "preview/core/SoundProgress.h"

#include <algorithm>
#include <cmath>

namespace SoundProgress {

int percent(qint64 position, qint64 length)
{
    if (length <= 0)
        return 0;
    const double share = double(position) / double(length) * 100.0;
    const double whole = std::floor(share);
    const double fraction = share - whole;
    double rounded = fraction < 0.5 ? whole : whole + 1;
    if (fraction == 0.5 && std::fmod(whole, 2.0) == 0)
        rounded = whole;
    return int(std::clamp(rounded, 0.0, 100.0));
}

} // namespace SoundProgress
