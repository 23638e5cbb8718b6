#include "Fault.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
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

bool takeAlone(const std::string& path)
{
#ifdef _WIN32
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    OVERLAPPED pastTheEnd{};
    // A byte far past the end: the lock stands between runs and keeps nobody from reading.
    pastTheEnd.OffsetHigh = 0x7fffffff;
    return file != INVALID_HANDLE_VALUE &&
           LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &pastTheEnd);
#else
    const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    return file >= 0 && flock(file, LOCK_EX | LOCK_NB) == 0;
#endif
}

void openGate()
{
    if (const char* gate = std::getenv("KADRILLO_STANDIN_GATE")) {
        if (std::FILE* opened = std::fopen(gate, "wb"))
            std::fclose(opened);
    }
}

void waitAtGate()
{
    const char* gate = std::getenv("KADRILLO_STANDIN_GATE");
    for (int waited = 0; gate && waited < 3000; ++waited) {
        if (std::FILE* open = std::fopen(gate, "rb")) {
            std::fclose(open);
            return;
        }
#ifdef _WIN32
        Sleep(10);
#else
        usleep(10000);
#endif
    }
}

} // namespace Fault
