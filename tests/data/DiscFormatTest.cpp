#include "data/DiscFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(DiscFormat, CoverAndSpineByFormat)
{
    struct Case {
        const char* format;
        int widthFor100, heightFor100, spineWidth, spineHeight;
    };
    const Case cases[] = {
        {"DVD", 150, 66, 7, 100},   {"BluRay", 200, 50, 6, 80}, {"HD-DVD", 180, 55, 6, 80},
        {"VHS", 150, 66, 10, 100},  {"VCD", 200, 50, 6, 50},    {"", 150, 66, 7, 100},
        {"bluray", 150, 66, 7, 100}, // case counts: an unknown text measures like a DVD
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        const DiscFormat f = DiscFormat::of(QString::fromLatin1(c.format));
        EXPECT_EQ(f.coverWidthFor(100), c.widthFor100);
        EXPECT_EQ(f.coverHeightFor(100), c.heightFor100);
        EXPECT_EQ(f.spineWidth, c.spineWidth);
        EXPECT_EQ(f.spineHeight, c.spineHeight);
    }
}

TEST(DiscFormat, CoverSizesAreCutTowardsMinusInfinity)
{
    const DiscFormat hd = DiscFormat::of(QStringLiteral("HD-DVD"));
    EXPECT_EQ(hd.coverWidthFor(7), 12);   // 12.6
    EXPECT_EQ(hd.coverWidthFor(-7), -13); // -12.6
    EXPECT_EQ(hd.coverHeightFor(-1), -1); // -0.55
    EXPECT_EQ(DiscFormat::of(QStringLiteral("DVD")).coverWidthFor(-3), -5); // -4.5
    EXPECT_EQ(hd.coverWidthFor(32767), 58980);
}

} // namespace
