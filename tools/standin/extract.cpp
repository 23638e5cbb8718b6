// Stand-in for the game's extractor:
//   extract.exe ARCHIVE NAME OUTFILE
//   extract.exe ARCHIVE DEST_FOLDER/NAME   (object name = text after the last '/' or '\')
// Faults (see Fault.h): "no-output" writes nothing and ends well, "truncated" writes half the object
// and crashes, "hang" waits a minute first, "alone" refuses an archive that another run holds.
#include "BinaryFile.h"
#include "Fault.h"
#include "VolArchive.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
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

    if (Fault::is("alone")) {
        if (!Fault::takeAlone(archivePath)) {
            Fault::openGate();
            return fail("'" + archivePath + "' is in use by another run");
        }
        Fault::waitAtGate();
    }
    std::optional<VolEntry> entry;
    std::string error;
    if (!VolArchive::readEntry(archivePath, objectName, entry, error))
        return fail(error);
    if (!entry)
        return fail("no object '" + objectName + "' in '" + archivePath + "'");

    if (Fault::is("hang"))
        Fault::sleepSeconds(60);
    if (Fault::is("no-output"))
        return 0;
    if (Fault::is("truncated")) {
        if (std::FILE* out = std::fopen(outputPath.c_str(), "wb")) {
            std::fwrite(entry->data.data(), 1, entry->data.size() / 2, out);
            std::fflush(out);
        }
        std::abort();
    }
    // Written only now, so a failed lookup never creates or truncates the output.
    if (!writeBinaryFile(outputPath, entry->data, error))
        return fail(error);
    return 0;
}
