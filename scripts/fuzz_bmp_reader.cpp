// libFuzzer driver for the bitmap reader: any bytes, in colour and in grey.
// A picture that is read must have exactly the size its header declares;
// anything read outside the input is caught by the address sanitizer.
// Built and run by scripts/fuzz-bmp-reader.sh.
#include "pdf/BmpDecoder.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const bool gray : {false, true}) {
        BmpDecoder::Picture p;
        if (BmpDecoder::decode(file, gray, p) != BmpDecoder::Verdict::Read)
            continue;
        const std::int64_t rows = p.height;
        const bool indexed = p.bitsPerPixel != 24;
        const std::int64_t expected = indexed ? BmpDecoder::rowDataBytes(p.width, p.bitsPerPixel) * rows
                                              : std::int64_t(p.width) * rows * (gray ? 1 : 3);
        const std::int64_t palette = indexed ? (std::int64_t(1) << p.bitsPerPixel) * (gray ? 1 : 3) : 0;
        if (p.width < 1 || p.height < 1 || p.data.size() != expected || p.palette.size() != palette)
            std::abort();
        // The pixel data cannot be larger than the file that holds them.
        if (expected > std::int64_t(size))
            std::abort();
    }
    return 0;
}
