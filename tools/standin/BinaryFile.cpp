#include "BinaryFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

bool writeBinaryFile(const std::string& path, const std::vector<unsigned char>& bytes, std::string& error)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = "cannot create '" + path + "': " + std::strerror(errno);
        return false;
    }
    // fwrite's buffer must not be null, and an empty vector's may be.
    const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
        std::remove(path.c_str());
        error = "cannot write '" + path + "'";
        return false;
    }
    return true;
}
