// make-sample-vol DIR [--hostile]: writes the demo archive(s) and palette files into DIR.
#include "SampleSet.h"
#include "VolArchive.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

bool writeFile(const std::string& path, const std::vector<unsigned char>& bytes, std::string& error)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = "cannot create '" + path + "': " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
        std::remove(path.c_str());
        error = "cannot write '" + path + "'";
        return false;
    }
    return true;
}

int fail(const std::string& message)
{
    std::fprintf(stderr, "make-sample-vol: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> directories;
    bool hostile = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--hostile")
            hostile = true;
        else
            directories.push_back(argument);
    }
    if (directories.size() != 1) {
        std::fprintf(stderr, "usage: make-sample-vol DIR [--hostile]\n");
        return 1;
    }
    const std::string& directory = directories.front();
    std::error_code code;
    std::filesystem::create_directories(directory, code);
    if (code)
        return fail("cannot create '" + directory + "': " + code.message());

    const std::filesystem::path base(directory);
    std::string error;
    if (!VolArchive::write((base / "sample.vol").string(), SampleSet::sampleObjects(), error))
        return fail(error);
    for (const PaletteFile& file : SampleSet::paletteFiles()) {
        if (!writeFile((base / file.fileName).string(), file.palette.encodePalFile(), error))
            return fail(error);
    }
    if (hostile && !VolArchive::write((base / "hostile.vol").string(), SampleSet::hostileObjects(), error))
        return fail(error);
    return 0;
}
