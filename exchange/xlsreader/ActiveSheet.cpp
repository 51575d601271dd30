#include "exchange/xlsreader/ActiveSheet.h"

#include <cstddef>
#include <optional>

namespace xlsreader {

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
constexpr std::uint32_t kLastRegularSector = 0xFFFFFFFA;
constexpr std::size_t kHeaderDifatEntries = 109;
constexpr std::size_t kDirEntryBytes = 128;

constexpr std::uint16_t kRecordBof = 0x0809;
constexpr std::uint16_t kRecordEof = 0x000A;
constexpr std::uint16_t kRecordWindow1 = 0x003D;

std::optional<std::uint16_t> u16(const Bytes& b, std::size_t at)
{
    if (at > b.size() || b.size() - at < 2)
        return std::nullopt;
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::optional<std::uint32_t> u32(const Bytes& b, std::size_t at)
{
    if (at > b.size() || b.size() - at < 4)
        return std::nullopt;
    return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
           (static_cast<std::uint32_t>(b[at + 2]) << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

// The compound-document container, read only as far as finding one stream
// needs. Every method answers nullopt on anything out of order.
class Container {
public:
    explicit Container(const Bytes& file) : m_file(file) {}

    bool readHeader()
    {
        static constexpr std::uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
        if (m_file.size() < 512)
            return false;
        for (std::size_t i = 0; i < 8; ++i) {
            if (m_file[i] != kSignature[i])
                return false;
        }
        const auto shift = u16(m_file, 0x1E);
        const auto miniShift = u16(m_file, 0x20);
        if (!shift || (*shift != 9 && *shift != 12) || !miniShift || *miniShift != 6)
            return false;
        m_sectorBytes = std::size_t{1} << *shift;
        m_sectorCount = m_file.size() / m_sectorBytes; // the header takes the first
        if (m_sectorCount == 0)
            return false;
        --m_sectorCount;
        return readFat();
    }

    // The bytes of the stream whose directory name is name (ASCII, compared
    // ignoring case); nullopt when there is none or it cannot be followed.
    std::optional<Bytes> stream(const char* name)
    {
        const auto directory = chain(*u32(m_file, 0x30), m_fat, std::nullopt);
        if (!directory)
            return std::nullopt;
        const std::size_t entries = directory->size() / kDirEntryBytes;
        for (std::size_t e = 0; e < entries; ++e) {
            const std::size_t at = e * kDirEntryBytes;
            if ((*directory)[at + 0x42] != 2 || !nameIs(*directory, at, name))
                continue;
            const std::uint32_t start = *u32(*directory, at + 0x74);
            const std::uint32_t size = *u32(*directory, at + 0x78);
            const std::uint32_t cutoff = *u32(m_file, 0x38);
            if (size >= cutoff)
                return sized(chain(start, m_fat, std::nullopt), size);
            return miniStream(*directory, start, size);
        }
        return std::nullopt;
    }

private:
    const Bytes& m_file;
    std::size_t m_sectorBytes = 512;
    std::size_t m_sectorCount = 0;
    std::vector<std::uint32_t> m_fat;

    std::size_t sectorOffset(std::uint32_t sector) const { return (std::size_t{sector} + 1) * m_sectorBytes; }

    // The FAT sectors come from the header's list and then the chain of
    // further list sectors, each step bounded by the file's sector count.
    bool readFat()
    {
        std::vector<std::uint32_t> fatSectors;
        for (std::size_t i = 0; i < kHeaderDifatEntries; ++i) {
            const std::uint32_t s = *u32(m_file, 0x4C + 4 * i);
            if (s > kLastRegularSector)
                break;
            fatSectors.push_back(s);
        }
        std::uint32_t difat = *u32(m_file, 0x44);
        const std::size_t perDifat = m_sectorBytes / 4 - 1;
        for (std::size_t steps = 0; difat <= kLastRegularSector; ++steps) {
            if (steps >= m_sectorCount || difat >= m_sectorCount)
                return false;
            const std::size_t at = sectorOffset(difat);
            for (std::size_t i = 0; i < perDifat; ++i) {
                const std::uint32_t s = *u32(m_file, at + 4 * i);
                if (s <= kLastRegularSector)
                    fatSectors.push_back(s);
            }
            if (fatSectors.size() > m_sectorCount)
                return false;
            difat = *u32(m_file, at + 4 * perDifat);
        }
        if (fatSectors.empty() || fatSectors.size() > m_sectorCount)
            return false;
        m_fat.reserve(fatSectors.size() * (m_sectorBytes / 4));
        for (std::uint32_t s : fatSectors) {
            if (s >= m_sectorCount)
                return false;
            const std::size_t at = sectorOffset(s);
            for (std::size_t i = 0; i < m_sectorBytes / 4; ++i)
                m_fat.push_back(*u32(m_file, at + 4 * i));
        }
        return true;
    }

    // The bytes of a sector chain, in the big sectors of the file (no
    // container) or in the mini sectors of the mini stream. A chain with
    // more steps than there are sectors runs in a loop.
    std::optional<Bytes> chain(std::uint32_t start, const std::vector<std::uint32_t>& table,
                               const std::optional<Bytes>& container) const
    {
        const std::size_t unit = container ? 64 : m_sectorBytes;
        const std::size_t units = container ? container->size() / 64 : m_sectorCount;
        Bytes out;
        std::uint32_t s = start;
        for (std::size_t steps = 0; s != kEndOfChain; ++steps) {
            if (steps >= units || s >= table.size() || s >= units)
                return std::nullopt;
            const Bytes& source = container ? *container : m_file;
            const std::size_t at = container ? std::size_t{s} * 64 : sectorOffset(s);
            out.insert(out.end(), source.begin() + static_cast<std::ptrdiff_t>(at),
                       source.begin() + static_cast<std::ptrdiff_t>(at + unit));
            s = table[s];
        }
        return out;
    }

    static std::optional<Bytes> sized(std::optional<Bytes> bytes, std::uint32_t size)
    {
        if (!bytes || bytes->size() < size)
            return std::nullopt;
        bytes->resize(size);
        return bytes;
    }

    std::optional<Bytes> miniStream(const Bytes& directory, std::uint32_t start, std::uint32_t size) const
    {
        // The root entry (the first) holds the mini stream in big sectors.
        if (directory.size() < kDirEntryBytes || directory[0x42] != 5)
            return std::nullopt;
        const auto container = sized(chain(*u32(directory, 0x74), m_fat, std::nullopt), *u32(directory, 0x78));
        const auto miniFatBytes = chain(*u32(m_file, 0x3C), m_fat, std::nullopt);
        if (!container || !miniFatBytes)
            return std::nullopt;
        std::vector<std::uint32_t> miniFat;
        for (std::size_t i = 0; i + 4 <= miniFatBytes->size(); i += 4)
            miniFat.push_back(*u32(*miniFatBytes, i));
        return sized(chain(start, miniFat, container), size);
    }

    static bool nameIs(const Bytes& directory, std::size_t at, const char* name)
    {
        const std::uint16_t bytes = *u16(directory, at + 0x40);
        std::size_t i = 0;
        for (; name[i]; ++i) {
            if (2 * i + 2 > 64)
                return false;
            const std::uint16_t c = *u16(directory, at + 2 * i);
            const auto lower = [](unsigned x) { return x >= 'A' && x <= 'Z' ? x + 32 : x; };
            if (lower(c) != lower(static_cast<unsigned char>(name[i])))
                return false;
        }
        // The stored length counts the terminating zero.
        return bytes == 2 * i + 2;
    }
};

// itabCur of the first window record among the globals, before their end.
std::optional<unsigned> window1TabIndex(const Bytes& stream)
{
    std::size_t at = 0;
    bool first = true;
    while (stream.size() - at >= 4) {
        const std::uint16_t type = *u16(stream, at);
        const std::uint16_t length = *u16(stream, at + 2);
        if (stream.size() - at - 4 < length)
            return std::nullopt;
        if (first && type != kRecordBof)
            return std::nullopt;
        first = false;
        if (type == kRecordEof)
            return std::nullopt;
        if (type == kRecordWindow1 && length >= 12)
            return *u16(stream, at + 4 + 10);
        at += 4 + std::size_t{length};
    }
    return std::nullopt;
}

} // namespace

unsigned activeSheetIndex(const Bytes& file)
{
    Container container(file);
    if (!container.readHeader())
        return 0;
    auto stream = container.stream("Workbook");
    if (!stream)
        stream = container.stream("Book");
    if (!stream)
        return 0;
    return window1TabIndex(*stream).value_or(0);
}

} // namespace xlsreader
