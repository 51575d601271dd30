// Images: bitmap files read into image objects, placed on pages by name.
#include "pdf/clsPDFCreator.h"

#include "pdf/BmpDecoder.h"
#include "pdf/PdfText.h"
#include "platform/Paths.h"
#include "platform/RuntimeError.h"

#include <QFile>
#include <QFileInfo>

namespace {

void appendInt(std::string& out, std::int64_t value) { PdfText::appendNum(out, static_cast<double>(value), 0); }

void appendASCII85(std::string& out, QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = static_cast<std::size_t>(bytes.size());
    out.reserve(out.size() + n / 4 * 5 + 7);
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        std::uint32_t v = std::uint32_t(p[i]) << 24 | std::uint32_t(p[i + 1]) << 16 |
                          std::uint32_t(p[i + 2]) << 8 | std::uint32_t(p[i + 3]);
        if (v == 0) {
            out += 'z';
            continue;
        }
        char digits[5];
        for (int d = 4; d >= 0; --d) {
            digits[d] = static_cast<char>('!' + v % 85);
            v /= 85;
        }
        out.append(digits, 5);
    }
    // A final group of k bytes, padded with zeros, keeps its first k + 1 digits.
    if (const std::size_t k = n - i; k > 0) {
        std::uint32_t v = 0;
        for (std::size_t b = 0; b < 4; ++b)
            v = v << 8 | (b < k ? p[i + b] : 0u);
        char digits[5];
        for (int d = 4; d >= 0; --d) {
            digits[d] = static_cast<char>('!' + v % 85);
            v /= 85;
        }
        out.append(digits, k + 1);
    }
    out += "~>";
}

} // namespace

QByteArray clsPDFCreator::ToASCII85(QByteArrayView bytes)
{
    std::string out;
    appendASCII85(out, bytes);
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

bool clsPDFCreator::ReadBMPFile(const QString& path, QByteArray& data, QByteArray& palette, std::int32_t& width,
                                std::int32_t& height, std::uint8_t& bitsPerPixel, bool gray)
{
    const QString target = Paths::resolve(path);
    const QFileInfo info(target);
    if (target.isEmpty() || !info.isFile())
        return false;
    if (info.size() > BmpDecoder::kMaxFileBytes)
        return false;
    QFile file(target);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(ErrorKind::InputOutput,
                           QStringLiteral("%1 cannot be read: %2").arg(target, file.errorString()));
    // A file that grows while it is read is taken up to the limit only.
    const QByteArray bytes = file.read(BmpDecoder::kMaxFileBytes);
    BmpDecoder::Picture picture;
    if (BmpDecoder::decode(bytes, gray, picture) != BmpDecoder::Verdict::Read)
        return false;
    data = std::move(picture.data);
    palette = std::move(picture.palette);
    width = picture.width;
    height = picture.height;
    bitsPerPixel = picture.bitsPerPixel;
    return true;
}

bool clsPDFCreator::LoadImgFromBMPFile(const QString& name, const QString& path, bool gray)
{
    QByteArray data;
    QByteArray palette;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint8_t bpp = 0;
    if (!ReadBMPFile(path, data, palette, width, height, bpp, gray))
        return false;
    LoadImgFromArray(name, data, palette, width, height, bpp, gray);
    return true;
}

void clsPDFCreator::LoadImgFromArray(const QString& name, const QByteArray& data, const QByteArray& palette,
                                     std::int32_t width, std::int32_t height, std::uint8_t bitsPerPixel, bool gray)
{
    Operation op(*this);
    requireNoStream("an image is loaded");
    const int bpp = bitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24)
        throw RuntimeError(ErrorKind::Argument, QStringLiteral("an image of %1 bits per pixel").arg(bpp));
    if (width < 1 || height < 1)
        throw RuntimeError(ErrorKind::Argument, QStringLiteral("an image of %1 x %2 pixels").arg(width).arg(height));
    const bool indexed = bpp != 24;
    const std::int64_t expected = indexed ? BmpDecoder::rowDataBytes(width, bpp) * height
                                          : std::int64_t(width) * height * (gray ? 1 : 3);
    const std::int64_t expectedPalette = indexed ? (std::int64_t(1) << bpp) * (gray ? 1 : 3) : 0;
    if (data.size() != expected || (indexed && palette.size() != expectedPalette))
        throw RuntimeError(ErrorKind::Argument,
                           QStringLiteral("image data of %1 bytes and a palette of %2 bytes "
                                          "for %3 x %4 pixels of %5 bits")
                               .arg(data.size())
                               .arg(palette.size())
                               .arg(width)
                               .arg(height)
                               .arg(bpp));
    requireFreeObjects(indexed ? 3 : 2);
    const QByteArray nameBytes = PdfText::toWinAnsi(name);
    const char* const base = gray ? "DeviceGray" : "DeviceRGB";

    const std::int32_t n = OpenObj(0);
    std::string& o = m_out;
    o += "<<\r/Type /XObject\r/Subtype /Image\r/Name /";
    o.append(nameBytes.constData(), static_cast<std::size_t>(nameBytes.size()));
    o += "\r/Width ";
    appendInt(o, width);
    o += "\r/Height ";
    appendInt(o, height);
    if (m_encodeASCII85)
        o += "\r/Filter /ASCII85Decode";
    endLine();
    if (indexed) {
        o += "/BitsPerComponent ";
        appendInt(o, bpp);
        o += "\r/ColorSpace [/Indexed /";
        o += base;
        o += ' ';
        appendInt(o, (1 << bpp) - 1);
        o += ' ';
        appendInt(o, n + 2);
        o += " 0 R]";
    } else {
        o += "/BitsPerComponent 8\r/ColorSpace /";
        o += base;
    }
    o += "\r/Length ";
    appendInt(o, n + 1);
    o += " 0 R";
    endLine();
    WriteLine(">>\rstream");
    const std::size_t start = o.size();
    if (m_encodeASCII85)
        appendASCII85(o, data);
    else
        o.append(data.constData(), static_cast<std::size_t>(data.size()));
    const std::size_t length = o.size() - start;
    // The CR ends the data and is not part of it.
    WriteLine("\rendstream");
    CloseObj();

    OpenObj(0);
    appendInt(o, static_cast<std::int64_t>(length));
    endLine();
    CloseObj();

    if (indexed) {
        std::string lookup;
        if (m_encodeASCII85)
            appendASCII85(lookup, palette);
        else
            lookup.assign(palette.constData(), static_cast<std::size_t>(palette.size()));
        OpenObj(0);
        o += "<<";
        if (m_encodeASCII85)
            o += "/Filter /ASCII85Decode\r";
        o += "/Length ";
        appendInt(o, static_cast<std::int64_t>(lookup.size()));
        o += " >>\rstream";
        endLine();
        o += lookup;
        WriteLine("\rendstream");
        CloseObj();
    }

    ImageList += '/';
    ImageList.append(nameBytes.constData(), static_cast<std::size_t>(nameBytes.size()));
    ImageList += ' ';
    appendInt(ImageList, n);
    ImageList += " 0 R \r";
}

void clsPDFCreator::DrawImg(QStringView name, float x, float y, float w, float h) { PlaceXObject(name, x, y, w, h); }
