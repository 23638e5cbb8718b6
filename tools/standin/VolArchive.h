// Archive format of the stand-in tools (our own design, little-endian):
//   offset 0  4 bytes  magic "KVOL"
//   offset 4  u32      entry count
//   then, per entry, in archive order:
//             u16      name length N
//             N bytes  name (raw bytes, Windows-1252 text; may hold blanks, '/', '\', '%', quotes...)
//             u32      data length D
//             D bytes  data
// Nothing may follow the last entry. Readers check every length against the bytes that remain and
// refuse a file whose magic, count or lengths do not fit, so they never read past the data.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct VolEntry {
    std::string name;
    std::vector<unsigned char> data;
};

class VolArchive {
public:
    static bool read(const std::string& path, std::vector<VolEntry>& out, std::string& error);
    // Only the first entry of that name (see find), copied out; the archive is checked whole all the
    // same. `out` is empty when no entry has the name.
    static bool readEntry(const std::string& path, std::string_view name, std::optional<VolEntry>& out,
                          std::string& error);
    static bool write(const std::string& path, const std::vector<VolEntry>& entries, std::string& error);

    static bool decode(const std::vector<unsigned char>& bytes, std::vector<VolEntry>& out,
                       std::string& error);
    static bool encode(const std::vector<VolEntry>& entries, std::vector<unsigned char>& out,
                       std::string& error);

    // ASCII-only case folding, first match in archive order; nullptr when absent.
    static const VolEntry* find(const std::vector<VolEntry>& entries, std::string_view name);
    static bool namesEqual(std::string_view a, std::string_view b);
};
