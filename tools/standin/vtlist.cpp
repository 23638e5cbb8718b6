// Stand-in for the game's archive lister: vtlist.exe PATTERN ARCHIVE
// Fault (see Fault.h): "million" lists a million names.
#include "Fault.h"
#include "VolArchive.h"
#include "WildcardPattern.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: vtlist PATTERN ARCHIVE\n");
        return 1;
    }
    std::vector<VolEntry> entries;
    std::string error;
    if (!VolArchive::read(argv[2], entries, error)) {
        std::fprintf(stderr, "vtlist: %s\n", error.c_str());
        return 1;
    }
    if (Fault::is("million")) {
        std::fputs("Volume contents: 1000000 objects\n", stdout);
        for (int i = 0; i < 1000000; ++i)
            std::fprintf(stdout, "object%07d.cs\n", i);
        return 0;
    }
    const WildcardPattern pattern(argv[1]);
    std::vector<const VolEntry*> listed;
    for (const VolEntry& entry : entries) {
        if (pattern.matches(entry.name))
            listed.push_back(&entry);
    }
    // stdout stays in text mode so a Windows build emits CR LF like the game's own tool.
    const std::string heading = "Volume contents: " + std::to_string(listed.size()) +
                                (listed.size() == 1 ? " object\n" : " objects\n");
    std::fputs(heading.c_str(), stdout);
    for (const VolEntry* entry : listed) {
        std::fwrite(entry->name.data(), 1, entry->name.size(), stdout);
        std::fputc('\n', stdout);
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "vtlist: cannot write the listing\n");
        return 1;
    }
    return 0;
}
