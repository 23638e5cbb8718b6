#include "Fault.h"

#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace Fault {

bool is(const char* name)
{
    const char* asked = std::getenv("KADRILLO_STANDIN_FAULT");
    return asked && std::strcmp(asked, name) == 0;
}

void sleepSeconds(unsigned seconds)
{
#ifdef _WIN32
    Sleep(seconds * 1000);
#else
    for (unsigned left = seconds; left > 0;)
        left = sleep(left);
#endif
}

} // namespace Fault
