#include "VolArchive.h"

#include "BinaryFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>

namespace {

constexpr unsigned char kMagic[4] = {'K', 'V', 'O', 'L'};
constexpr std::size_t kMinEntrySize = 2 + 4;

// Each getter checks the remaining length first, so no read can pass the end of the data.
bool getU16(const std::vector<unsigned char>& bytes, std::size_t& pos, std::uint16_t& value)
{
    if (bytes.size() - pos < 2)
        return false;
    value = static_cast<std::uint16_t>(bytes[pos] | (bytes[pos + 1] << 8));
    pos += 2;
    return true;
}

bool getU32(const std::vector<unsigned char>& bytes, std::size_t& pos, std::uint32_t& value)
{
    if (bytes.size() - pos < 4)
        return false;
    value = 0;
    for (std::size_t i = 4; i > 0; --i)
        value = (value << 8) | bytes[pos + i - 1];
    pos += 4;
    return true;
}

const unsigned char* getBytes(const std::vector<unsigned char>& bytes, std::size_t& pos, std::size_t count)
{
    if (bytes.size() - pos < count)
        return nullptr;
    const unsigned char* start = bytes.data() + pos;
    pos += count;
    return start;
}

void putU16(std::vector<unsigned char>& out, std::uint16_t value)
{
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void putU32(std::vector<unsigned char>& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFF));
}

char foldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

using Visit = std::function<void(std::string_view name, const unsigned char* data, std::size_t size)>;

// Hands every entry in archive order to `visit`, without copying it; false with `error` when the
// layout does not fit the bytes.
bool walk(const std::vector<unsigned char>& bytes, const Visit& visit, std::string& error)
{
    std::size_t pos = 0;
    const unsigned char* magic = getBytes(bytes, pos, sizeof kMagic);
    if (!magic || std::memcmp(magic, kMagic, sizeof kMagic) != 0) {
        error = "not an archive (bad magic)";
        return false;
    }
    std::uint32_t count = 0;
    if (!getU32(bytes, pos, count)) {
        error = "truncated header";
        return false;
    }
    if (count > (bytes.size() - pos) / kMinEntrySize) {
        error = "entry count " + std::to_string(count) + " exceeds what the file can hold";
        return false;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint16_t nameLength = 0;
        std::uint32_t dataLength = 0;
        const unsigned char* name = nullptr;
        const unsigned char* data = nullptr;
        if (!getU16(bytes, pos, nameLength) || !(name = getBytes(bytes, pos, nameLength)) ||
            !getU32(bytes, pos, dataLength) || !(data = getBytes(bytes, pos, dataLength))) {
            error = "entry " + std::to_string(i) + " runs past the end of the file";
            return false;
        }
        visit(std::string_view(reinterpret_cast<const char*>(name), nameLength), data, dataLength);
    }
    if ((bytes.size() - pos) != 0) {
        error = std::to_string((bytes.size() - pos)) + " unexpected bytes after the last entry";
        return false;
    }
    return true;
}

// The whole file in one read into a buffer of its size: a buffer grown chunk by chunk costs a large
// archive more page faults than the rest of a tool's run.
bool readWhole(const std::string& path, std::vector<unsigned char>& bytes, std::string& error)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = "cannot open '" + path + "': " + std::strerror(errno);
        return false;
    }
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(path, sizeError);
    bool failed = sizeError || size > bytes.max_size();
    if (!failed) {
        bytes.resize(std::size_t(size));
        failed = std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fgetc(file) != EOF;
    }
    std::fclose(file);
    if (failed)
        error = "cannot read '" + path + "'";
    return !failed;
}

} // namespace

bool VolArchive::read(const std::string& path, std::vector<VolEntry>& out, std::string& error)
{
    std::vector<unsigned char> bytes;
    if (!readWhole(path, bytes, error))
        return false;
    if (!decode(bytes, out, error)) {
        error = "'" + path + "': " + error;
        return false;
    }
    return true;
}

bool VolArchive::readEntry(const std::string& path, std::string_view name, std::optional<VolEntry>& out,
                           std::string& error)
{
    std::vector<unsigned char> bytes;
    if (!readWhole(path, bytes, error))
        return false;
    std::optional<VolEntry> found;
    const auto keepFirstMatch = [&](std::string_view entryName, const unsigned char* data, std::size_t size) {
        if (!found && namesEqual(entryName, name))
            found = VolEntry{std::string(entryName), std::vector<unsigned char>(data, data + size)};
    };
    if (!walk(bytes, keepFirstMatch, error)) {
        error = "'" + path + "': " + error;
        return false;
    }
    out = std::move(found);
    return true;
}

bool VolArchive::write(const std::string& path, const std::vector<VolEntry>& entries, std::string& error)
{
    std::vector<unsigned char> bytes;
    if (!encode(entries, bytes, error))
        return false;
    return writeBinaryFile(path, bytes, error);
}

bool VolArchive::decode(const std::vector<unsigned char>& bytes, std::vector<VolEntry>& out,
                        std::string& error)
{
    std::vector<VolEntry> entries;
    const auto copy = [&entries](std::string_view name, const unsigned char* data, std::size_t size) {
        entries.push_back(VolEntry{std::string(name), std::vector<unsigned char>(data, data + size)});
    };
    if (!walk(bytes, copy, error))
        return false;
    out = std::move(entries);
    return true;
}

bool VolArchive::encode(const std::vector<VolEntry>& entries, std::vector<unsigned char>& out,
                        std::string& error)
{
    if (entries.size() > std::numeric_limits<std::uint32_t>::max()) {
        error = "too many entries";
        return false;
    }
    std::vector<unsigned char> bytes(kMagic, kMagic + sizeof kMagic);
    putU32(bytes, static_cast<std::uint32_t>(entries.size()));
    for (const VolEntry& entry : entries) {
        if (entry.name.size() > std::numeric_limits<std::uint16_t>::max() ||
            entry.data.size() > std::numeric_limits<std::uint32_t>::max()) {
            error = "entry '" + entry.name + "' is too large for the format";
            return false;
        }
        putU16(bytes, static_cast<std::uint16_t>(entry.name.size()));
        bytes.insert(bytes.end(), entry.name.begin(), entry.name.end());
        putU32(bytes, static_cast<std::uint32_t>(entry.data.size()));
        bytes.insert(bytes.end(), entry.data.begin(), entry.data.end());
    }
    out = std::move(bytes);
    return true;
}

const VolEntry* VolArchive::find(const std::vector<VolEntry>& entries, std::string_view name)
{
    for (const VolEntry& entry : entries) {
        if (namesEqual(entry.name, name))
            return &entry;
    }
    return nullptr;
}

bool VolArchive::namesEqual(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i]))
            return false;
    }
    return true;
}
