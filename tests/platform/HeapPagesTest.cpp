#include "platform/HeapPages.h"
#include "platform/Sanitizers.h"

#include <QFile>
#include <QString>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The "THPeligible" line of the mapping that holds address, or -1.
int largePageEligible(const void* address)
{
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly))
        return -1;
    const auto a = reinterpret_cast<std::uintptr_t>(address);
    bool inside = false;
    // A file of /proc has no size: read to its end.
    for (const QByteArray& raw : smaps.readAll().split('\n')) {
        const QByteArray line = raw.trimmed();
        const QByteArray first = line.left(line.indexOf(' '));
        if (first.endsWith(':')) {
            if (inside && first == "THPeligible:")
                return line.mid(first.size()).trimmed().toInt();
            continue;
        }
        // A mapping's first line: "lo-hi perms offset device inode [name]".
        const qsizetype dash = first.indexOf('-');
        bool ok1 = false, ok2 = false;
        const std::uintptr_t lo = first.left(dash).toULongLong(&ok1, 16);
        const std::uintptr_t hi = first.mid(dash + 1).toULongLong(&ok2, 16);
        inside = dash > 0 && ok1 && ok2 && a >= lo && a < hi;
    }
    return -1;
}

QByteArray largePageMode()
{
    QFile f(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(HeapPages, ABufferOfSomeMegabytesLiesWhereLargePagesMayBeUsed)
{
#if QUORDVD_ADDRESS_SANITIZER
    GTEST_SKIP() << "the sanitizer's allocator has its own heap";
#endif
    if (!largePageMode().contains("[madvise]") && !largePageMode().contains("[always]"))
        GTEST_SKIP() << "the system offers no large pages";
    HeapPages::preferLargePages();
    HeapPages::preferLargePages(); // a second call does no harm
    // The size of a decoded list file or a window's backing store.
    const std::size_t size = std::size_t{8} << 20;
    auto* buffer = static_cast<char*>(std::malloc(size));
    ASSERT_NE(buffer, nullptr);
    std::memset(buffer, 1, size);
    EXPECT_EQ(largePageEligible(buffer + size / 2), 1);
    EXPECT_EQ(buffer[size - 1], 1);
    std::free(buffer);
}
