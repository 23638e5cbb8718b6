// make-sample-vol DIR [--hostile]: writes the demo archive(s) and palette files into DIR.
#include "BinaryFile.h"
#include "SampleSet.h"
#include "VolArchive.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

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
        if (!writeBinaryFile((base / file.fileName).string(), file.palette.encodePalFile(), error))
            return fail(error);
    }
    if (hostile && !VolArchive::write((base / "hostile.vol").string(), SampleSet::hostileObjects(), error))
        return fail(error);
    return 0;
}
