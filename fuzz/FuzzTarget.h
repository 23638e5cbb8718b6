#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

// What every fuzz target shares: its seed corpus, the input as Qt bytes, and reporting a finding.
namespace FuzzTarget {

using Seeds = QList<std::pair<QString, QByteArray>>;

// Run with KADRILLO_FUZZ_SEEDS=<folder>, a target writes `seeds()` there, one file each, and ends.
void writeSeedsIfAsked(const std::function<Seeds()>& seeds);

QByteArray bytes(const std::uint8_t* data, std::size_t size);
QByteArray bytes(const std::vector<unsigned char>& data);

// The objects of the sample archives (tools/sample): well-formed and hostile names, and their data.
Seeds sampleObjects();
// The sample palette files, and palette lists written by the sample maker's own writer.
Seeds samplePaletteFiles();
Seeds samplePaletteLists();

// A property failed: said on stderr and aborted, so that libFuzzer keeps the input.
[[noreturn]] void finding(const QString& what);

} // namespace FuzzTarget
