#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

// Reads a Windows bitmap held in memory into the picture layout the PDF
// writer takes: rows bottom row first without padding, 24-bit pixels as red,
// green, blue (or one grey byte), palettes as red, green, blue entries (or one
// grey byte each). Nothing in the file is trusted: every size and offset is
// checked against the bytes that are really there before anything is read.
namespace BmpDecoder {

// Uncompressed 1, 4, 8 and 24 bits per pixel only.
enum class Verdict {
    Read,
    NotBitmap,        // no "BM" signature
    Truncated,        // shorter than its headers, or its pixel rows run past the end
    BadHeader,        // information header shorter than 40 bytes or past the end
    BadSize,          // width or height 0, negative width, or beyond the limits
    UnsupportedDepth, // bits per pixel other than 1, 4, 8, 24
    Compressed,       // any compression
    BadOffset,        // pixel data starting inside the headers or palette, or past the end
    TooLarge,         // more pixel data than a picture of the program may hold
};

// Largest width and height accepted, in pixels.
constexpr std::int64_t kMaxSide = 32767;
// Largest pixel data (row stride times height) accepted, in bytes.
constexpr std::int64_t kMaxPixelBytes = std::int64_t(256) << 20;
// Largest file read at all: the pixel data limit and room for headers.
constexpr std::int64_t kMaxFileBytes = kMaxPixelBytes + (std::int64_t(1) << 20);

struct Picture {
    QByteArray data;
    QByteArray palette; // empty for 24 bits
    std::int32_t width = 0;
    std::int32_t height = 0; // always positive
    std::uint8_t bitsPerPixel = 0;
};

// The grey value of a colour: 0.33 R + 0.59 G + 0.11 B, halves to even, at most 255.
std::uint8_t grayOf(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// Bytes of a row of width pixels: its data, and its stride in the file.
std::int64_t rowDataBytes(std::int64_t width, int bitsPerPixel);
std::int64_t rowStride(std::int64_t width, int bitsPerPixel);

// Fills picture only when the verdict is Read.
Verdict decode(QByteArrayView file, bool gray, Picture& picture);

const char* describe(Verdict verdict);

} // namespace BmpDecoder
