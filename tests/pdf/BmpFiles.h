#pragma once

#include <QByteArray>
#include <QList>

#include <array>
#include <cstdint>

// Bitmap files made byte by byte, including damaged ones.
struct BmpSpec {
    std::int32_t width = 1;
    std::int32_t height = 1; // negative: rows stored top row first
    std::uint16_t bitsPerPixel = 24;
    std::uint32_t headerSize = 40;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    // Palette entries as red, green, blue; written blue, green, red, 0.
    QList<std::array<std::uint8_t, 3>> palette;
    // The data bytes of each stored row in file order, without padding;
    // the padding is filled with 0xEE so that a reader that keeps it shows.
    QList<QByteArray> rows;
    // Pixel data offset; -1: right after the palette.
    std::int64_t pixelOffset = -1;
};

inline void putLE(QByteArray& b, qsizetype at, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

inline std::int64_t bmpStride(std::int64_t width, int bpp) { return (width * bpp + 31) / 32 * 4; }

inline QByteArray makeBmp(const BmpSpec& s)
{
    const qsizetype paletteStart = 14 + static_cast<qsizetype>(s.headerSize);
    const qsizetype defaultOffset = paletteStart + 4 * s.palette.size();
    const qsizetype offset = s.pixelOffset < 0 ? defaultOffset : static_cast<qsizetype>(s.pixelOffset);
    const qsizetype stride = static_cast<qsizetype>(bmpStride(s.width, s.bitsPerPixel));
    QByteArray b(std::max(defaultOffset, offset), '\0');
    b[0] = 'B';
    b[1] = 'M';
    putLE(b, 10, static_cast<std::uint32_t>(offset), 4);
    putLE(b, 14, s.headerSize, 4);
    putLE(b, 18, static_cast<std::uint32_t>(s.width), 4);
    putLE(b, 22, static_cast<std::uint32_t>(s.height), 4);
    putLE(b, 26, 1, 2);
    putLE(b, 28, s.bitsPerPixel, 2);
    putLE(b, 30, s.compression, 4);
    putLE(b, 46, s.coloursUsed, 4);
    for (qsizetype e = 0; e < s.palette.size(); ++e) {
        b[paletteStart + 4 * e] = static_cast<char>(s.palette[e][2]);
        b[paletteStart + 4 * e + 1] = static_cast<char>(s.palette[e][1]);
        b[paletteStart + 4 * e + 2] = static_cast<char>(s.palette[e][0]);
    }
    for (const QByteArray& row : s.rows) {
        QByteArray padded = row;
        if (padded.size() < stride)
            padded.append(QByteArray(stride - padded.size(), char(0xEE)));
        b.append(padded);
    }
    putLE(b, 2, static_cast<std::uint32_t>(b.size()), 4);
    return b;
}

// A 2 x 2 picture of four colours (red, green, blue values), top row first,
// stored bottom row first as 24 bits per pixel.
inline BmpSpec fourColours24(const std::array<std::array<std::uint8_t, 3>, 4>& topLeftToBottomRight)
{
    const auto& c = topLeftToBottomRight;
    const auto bgr = [](const std::array<std::uint8_t, 3>& p) {
        return QByteArray{} + char(p[2]) + char(p[1]) + char(p[0]);
    };
    BmpSpec s;
    s.width = 2;
    s.height = 2;
    s.rows = {bgr(c[2]) + bgr(c[3]), bgr(c[0]) + bgr(c[1])};
    return s;
}
