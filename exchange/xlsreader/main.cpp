// The .xls reader process: reads the active sheet of one workbook with FreeXL
// and writes its cells on standard output (see XlsAnswer.h). FreeXL has
// memory faults on damaged files, so it runs here, under limits, and never
// inside the program.

#include "exchange/xlsreader/ActiveSheet.h"
#include "exchange/xlsreader/XlsAnswer.h"
#include "platform/Sanitizers.h"

#include <freexl.h>
#include <sys/resource.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

#if QUORDVD_ADDRESS_SANITIZER
// FreeXL leaks on every refused file; that must not turn into a failing exit.
extern "C" int __lsan_is_turned_off() { return 1; }
#endif

namespace {

using namespace xlsanswer;

constexpr std::uint64_t kMaxFileBytes = 64ull * 1024 * 1024;
constexpr rlim_t kCpuSeconds = 20;
constexpr rlim_t kAddressSpaceBytes = 2048ull * 1024 * 1024;

void limit(int resource, rlim_t value)
{
    const rlimit l{value, value};
    setrlimit(resource, &l);
}

void limitResources()
{
    limit(RLIMIT_CPU, kCpuSeconds);
    limit(RLIMIT_CORE, 0);
#if !QUORDVD_ADDRESS_SANITIZER
    // The address sanitizer reserves terabytes of shadow memory up front.
    limit(RLIMIT_AS, kAddressSpaceBytes);
#endif
}

bool readFile(const char* path, std::vector<std::uint8_t>& bytes)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return false;
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<std::uint64_t>(size) > kMaxFileBytes)
        return false;
    bytes.resize(static_cast<std::size_t>(size));
    in.seekg(0);
    return static_cast<bool>(in.read(reinterpret_cast<char*>(bytes.data()), size));
}

void put8(std::uint8_t v) { std::fputc(v, stdout); }

void put32(std::uint32_t v)
{
    const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
    std::fwrite(b, 1, 4, stdout);
}

void putNumber(std::uint32_t row, std::uint32_t column, double v)
{
    put8(kNumber);
    put32(row);
    put32(column);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    put32(static_cast<std::uint32_t>(bits));
    put32(static_cast<std::uint32_t>(bits >> 32));
}

void putText(std::uint32_t row, std::uint32_t column, const char* text)
{
    const std::size_t length = text ? std::strlen(text) : 0;
    if (length == 0)
        return;
    put8(kText);
    put32(row);
    put32(column);
    put32(static_cast<std::uint32_t>(length));
    std::fwrite(text, 1, length, stdout);
}

class Handle {
public:
    ~Handle()
    {
        if (h)
            freexl_close(h);
    }
    const void* h = nullptr;
};

int run(const char* path)
{
    std::vector<std::uint8_t> bytes;
    if (!readFile(path, bytes))
        return kExitUnreadable;
    const unsigned active = xlsreader::activeSheetIndex(bytes);
    bytes = {};

    Handle book;
    if (freexl_open(path, &book.h) != FREEXL_OK)
        return kExitDamaged;
    unsigned int info = 0;
    if (freexl_get_info(book.h, FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK && info == FREEXL_BIFF_OBFUSCATED)
        return kExitPassword;
    unsigned int sheets = 0;
    if (freexl_get_info(book.h, FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK || sheets == 0)
        return kExitDamaged;
    // FreeXL lists every sheet record in the order of the workbook's tabs.
    const unsigned short sheet = static_cast<unsigned short>(active < sheets ? active : 0);
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(book.h, sheet) != FREEXL_OK ||
        freexl_worksheet_dimensions(book.h, &rows, &columns) != FREEXL_OK)
        return kExitDamaged;
    if (rows > kMaxRows || columns > kMaxColumns)
        return kExitDamaged;

    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    std::fwrite(kMagic, 1, sizeof kMagic, stdout);
    put32(kVersion);
    put32(rows);
    put32(columns);
    for (unsigned int r = 0; r < rows; ++r) {
        for (unsigned short c = 0; c < columns; ++c) {
            FreeXL_CellValue value;
            if (freexl_get_cell_value(book.h, r, c, &value) != FREEXL_OK)
                return kExitDamaged;
            switch (value.type) {
            case FREEXL_CELL_INT: putNumber(r + 1, c + 1u, value.value.int_value); break;
            case FREEXL_CELL_DOUBLE:
                if (!std::isfinite(value.value.double_value))
                    return kExitDamaged;
                putNumber(r + 1, c + 1u, value.value.double_value);
                break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME: putText(r + 1, c + 1u, value.value.text_value); break;
            default: break;
            }
        }
    }
    put8(kEnd);
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return kExitOutput;
    return kExitOk;
}

} // namespace

int main(int argc, char** argv)
{
    limitResources();
    if (argc != 2)
        return kExitUsage;
    return run(argv[1]);
}
