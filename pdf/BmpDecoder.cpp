#include "pdf/BmpDecoder.h"

#include <algorithm>
#include <cmath>

namespace BmpDecoder {

namespace {

constexpr std::int64_t kFileHeader = 14;
constexpr std::int64_t kInfoHeader = 40;

std::uint32_t u32(const unsigned char* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

std::uint16_t u16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

std::int32_t i32(const unsigned char* p) { return static_cast<std::int32_t>(u32(p)); }

} // namespace

std::uint8_t grayOf(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    // nearbyint rounds a half to the even neighbour in the default rounding mode.
    const double v = std::nearbyint(0.33 * red + 0.59 * green + 0.11 * blue);
    return v > 255 ? 255 : static_cast<std::uint8_t>(v);
}

std::int64_t rowDataBytes(std::int64_t width, int bitsPerPixel) { return (width * bitsPerPixel + 7) / 8; }

std::int64_t rowStride(std::int64_t width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

Verdict decode(QByteArrayView file, bool gray, Picture& picture)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(file.data());
    const std::int64_t size = file.size();
    if (size < 2 || bytes[0] != 'B' || bytes[1] != 'M')
        return Verdict::NotBitmap;
    if (size < kFileHeader + kInfoHeader)
        return Verdict::Truncated;

    const std::int64_t pixelOffset = u32(bytes + 10);
    const std::int64_t headerSize = u32(bytes + 14);
    const std::int64_t width = i32(bytes + 18);
    const std::int64_t fileHeight = i32(bytes + 22);
    const int bpp = u16(bytes + 28);
    const std::uint32_t compression = u32(bytes + 30);
    const std::int64_t coloursUsed = u32(bytes + 46);

    // The small core header of old files has another layout altogether.
    if (headerSize < kInfoHeader || kFileHeader + headerSize > size)
        return Verdict::BadHeader;
    const bool topDown = fileHeight < 0;
    const std::int64_t height = topDown ? -fileHeight : fileHeight;
    if (width < 1 || width > kMaxSide || height < 1 || height > kMaxSide)
        return Verdict::BadSize;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24)
        return Verdict::UnsupportedDepth;
    if (compression != 0)
        return Verdict::Compressed;

    // The palette follows the header, whatever its size; it holds the entries
    // that the file declares, as far as they lie before the pixel data.
    const std::int64_t paletteStart = kFileHeader + headerSize;
    if (pixelOffset < paletteStart || pixelOffset > size)
        return Verdict::BadOffset;
    std::int64_t entries = 0;
    if (bpp <= 8) {
        const std::int64_t full = std::int64_t(1) << bpp;
        const std::int64_t declared = coloursUsed == 0 ? full : std::min(coloursUsed, full);
        entries = std::min(declared, (pixelOffset - paletteStart) / 4);
    }

    const std::int64_t stride = rowStride(width, bpp);
    const std::int64_t dataBytes = rowDataBytes(width, bpp);
    if (stride * height > kMaxPixelBytes)
        return Verdict::TooLarge;
    // The last row's padding may be missing; its data may not.
    if (pixelOffset + stride * (height - 1) + dataBytes > size)
        return Verdict::Truncated;

    Picture p;
    p.width = static_cast<std::int32_t>(width);
    p.height = static_cast<std::int32_t>(height);
    p.bitsPerPixel = static_cast<std::uint8_t>(bpp);

    if (bpp <= 8) {
        const std::int64_t full = std::int64_t(1) << bpp;
        const int channels = gray ? 1 : 3;
        // Entries the file does not hold are black.
        p.palette = QByteArray(static_cast<qsizetype>(full * channels), '\0');
        char* out = p.palette.data();
        for (std::int64_t e = 0; e < entries; ++e) {
            const unsigned char* entry = bytes + paletteStart + 4 * e;
            if (gray) {
                out[e] = static_cast<char>(grayOf(entry[2], entry[1], entry[0]));
            } else {
                out[3 * e] = static_cast<char>(entry[2]);
                out[3 * e + 1] = static_cast<char>(entry[1]);
                out[3 * e + 2] = static_cast<char>(entry[0]);
            }
        }
    }

    // Output rows go bottom row first, whichever order the file keeps them in.
    const auto fileRow = [&](std::int64_t outRow) {
        const std::int64_t row = topDown ? height - 1 - outRow : outRow;
        return bytes + pixelOffset + row * stride;
    };
    if (bpp <= 8) {
        p.data = QByteArray(static_cast<qsizetype>(dataBytes * height), Qt::Uninitialized);
        char* out = p.data.data();
        for (std::int64_t r = 0; r < height; ++r)
            std::copy_n(fileRow(r), dataBytes, out + r * dataBytes);
    } else if (gray) {
        p.data = QByteArray(static_cast<qsizetype>(width * height), Qt::Uninitialized);
        auto* out = reinterpret_cast<unsigned char*>(p.data.data());
        for (std::int64_t r = 0; r < height; ++r) {
            const unsigned char* in = fileRow(r);
            for (std::int64_t x = 0; x < width; ++x, in += 3)
                *out++ = grayOf(in[2], in[1], in[0]);
        }
    } else {
        p.data = QByteArray(static_cast<qsizetype>(width * height * 3), Qt::Uninitialized);
        auto* out = reinterpret_cast<unsigned char*>(p.data.data());
        for (std::int64_t r = 0; r < height; ++r) {
            const unsigned char* in = fileRow(r);
            for (std::int64_t x = 0; x < width; ++x, in += 3) {
                *out++ = in[2];
                *out++ = in[1];
                *out++ = in[0];
            }
        }
    }
    picture = std::move(p);
    return Verdict::Read;
}

const char* describe(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Read: return "read";
    case Verdict::NotBitmap: return "not a bitmap file";
    case Verdict::Truncated: return "the file is shorter than its headers and pixel rows";
    case Verdict::BadHeader: return "an information header that is too short or runs past the end";
    case Verdict::BadSize: return "a width or height of 0 or beyond 32767 pixels";
    case Verdict::UnsupportedDepth: return "a depth other than 1, 4, 8 or 24 bits per pixel";
    case Verdict::Compressed: return "compressed pixel data";
    case Verdict::BadOffset: return "pixel data starting inside the headers or past the end";
    case Verdict::TooLarge: return "more than 256 MB of pixel data";
    }
    return "unknown";
}

} // namespace BmpDecoder
