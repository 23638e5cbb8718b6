#pragma once

#include <cstdint>

// The game's PBMP pictures (little-endian) as Kadrillo reads them. The reader takes only the fields
// named by an offset below; it skips the chunk tags and sizes around them and ignores the sizes they
// state. The writers of test and sample pictures all fill those chunks with the values further down.
//
//     0  "PBMP", u32 bytes after this field                      skipped
//     8  "head", u32 16, u32 version 3                           skipped
//    20  i32 width, i32 height, i16 bits per pixel (8)
//    30  u16 0, "data", u32 S                                    skipped
//    40  i32 S, then S bytes: rows top first, each of width pixels and any padding, then perhaps
//        bytes that are not pixels
//  44+S  "DETL", u32 4, u32 1, "PiDX", u32 4                     skipped
//  64+S  i32 palette number, the end of the file
// Plain C++, so that the sample maker in tools/ shares it.
namespace PbmpLayout {

constexpr int widthOffset = 20;
constexpr int heightOffset = 24;
constexpr int bitCountOffset = 28;
constexpr int dataSizeOffset = 40;
constexpr int pixelOffset = 44;
// Counted from the end of the S data bytes.
constexpr int paletteNumberAfterData = 20;
constexpr int trailerSize = paletteNumberAfterData + 4;

constexpr std::int64_t fileSize(std::int64_t dataSize)
{
    return pixelOffset + dataSize + trailerSize;
}

// What the writers put in the chunks that the reader skips.
constexpr char fileTag[] = "PBMP";
constexpr int fileTagSize = 8; // the tag and the size after it
constexpr char headTag[] = "head";
constexpr std::uint32_t headSize = 16; // version, width, height, bits per pixel, two zero bytes
constexpr std::uint32_t version = 3;
constexpr char dataTag[] = "data";
constexpr char detailTag[] = "DETL";
constexpr std::uint32_t detailSize = 4;
constexpr std::uint32_t detail = 1;
constexpr char paletteTag[] = "PiDX";
constexpr std::uint32_t paletteNumberSize = 4;

} // namespace PbmpLayout
