// Stand-in for the game's extractor:
//   extract.exe ARCHIVE NAME OUTFILE
//   extract.exe ARCHIVE DEST_FOLDER/NAME   (object name = text after the last '/' or '\')
#include "BinaryFile.h"
#include "VolArchive.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

int fail(const std::string& message)
{
    std::fprintf(stderr, "extract: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr,
                     "usage: extract ARCHIVE NAME OUTFILE\n       extract ARCHIVE DEST_FOLDER/NAME\n");
        return 1;
    }
    const std::string archivePath = argv[1];
    std::string objectName;
    std::string outputPath;
    if (argc == 4) {
        objectName = argv[2];
        outputPath = argv[3];
    } else {
        outputPath = argv[2];
        const std::size_t separator = outputPath.find_last_of("/\\");
        objectName = separator == std::string::npos ? outputPath : outputPath.substr(separator + 1);
    }

    std::vector<VolEntry> entries;
    std::string error;
    if (!VolArchive::read(archivePath, entries, error))
        return fail(error);
    const VolEntry* entry = VolArchive::find(entries, objectName);
    if (!entry)
        return fail("no object '" + objectName + "' in '" + archivePath + "'");

    // Written only now, so a failed lookup never creates or truncates the output.
    if (!writeBinaryFile(outputPath, entry->data, error))
        return fail(error);
    return 0;
}
