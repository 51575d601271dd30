#include "data/DesignFile.h"
#include "platform/RuntimeError.h"
#include "tests/support/ErrorKindOf.h"
#include "tests/support/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace {

QStringList goodLines()
{
    return {QStringLiteral("pictures\\bg.jpg"), QString(), QStringLiteral("sounds/start.wav"),
            QStringLiteral("/abs/alert.wav"),   QStringLiteral("255"), QStringLiteral("65280"),
            QStringLiteral("-2147483643"),      QStringLiteral("16711680"), QStringLiteral("128"),
            QStringLiteral("0")};
}

} // namespace

TEST(DesignFile, WritesTenLinesAndReadsThemBackExactly)
{
    TempProgramFolder folder;
    const DesignFile read = DesignFile::read(folder.writeLines("designs/a.asd", goodLines()));
    EXPECT_EQ(read.BGpath, folder.file("pictures/bg.jpg"));
    EXPECT_EQ(read.SoundClick, QString());
    EXPECT_EQ(read.SoundStart, folder.file("sounds/start.wav"));
    EXPECT_EQ(read.SoundAlert, QStringLiteral("/abs/alert.wav"));
    EXPECT_EQ(read.colors, (Design{255, 65280, -2147483643, 16711680, 128}));

    DesignFile written = read;
    written.protection = 1; // never written: a saved design is unprotected
    written.write(folder.file("designs/b.asd"));
    EXPECT_EQ(folder.read("designs/b.asd"),
              (folder.file("pictures/bg.jpg") + "\r\n\r\n" + folder.file("sounds/start.wav") +
               "\r\n/abs/alert.wav\r\n255\r\n65280\r\n-2147483643\r\n16711680\r\n128\r\n0\r\n")
                  .toUtf8());
    const DesignFile back = DesignFile::read(folder.file("designs/b.asd"));
    EXPECT_EQ(back.colors, read.colors);
    EXPECT_EQ(back.protection, 0);
}

// Every colour line is a 32-bit number, for the settings and the settings
// page alike; the flag keeps a design from being overwritten unless it is 0,
// and from being deleted only when it is exactly 1.
TEST(DesignFile, ColoursMustBeNumbersAndTheFlagProtectsByItsValue)
{
    TempProgramFolder folder;
    const struct {
        int line; // 1-based
        const char* text;
        ErrorKind kind;
    } damaged[] = {
        {5, "red", ErrorKind::Conversion},        {6, "", ErrorKind::Conversion},
        {8, "99999999999", ErrorKind::Overflow},  {9, "abc", ErrorKind::Conversion},
        {9, "", ErrorKind::Conversion},           {10, "ja", ErrorKind::Conversion},
    };
    for (const auto& d : damaged) {
        SCOPED_TRACE(std::to_string(d.line) + ": " + d.text);
        QStringList lines = goodLines();
        lines[d.line - 1] = QString::fromLatin1(d.text);
        const QString path = folder.writeLines("designs/bad.asd", lines);
        EXPECT_EQ(errorKindOf([&] { DesignFile::read(path); }), d.kind);
    }
    const QString shortPath = folder.writeLines("designs/short.asd", goodLines().mid(0, 9));
    EXPECT_EQ(errorKindOf([&] { DesignFile::read(shortPath); }), ErrorKind::EndOfFile);
    // The file and the line are named with the cause.
    EXPECT_EQ(errorDetailOf([&] { DesignFile::read(shortPath); }),
              QStringLiteral("designs/short.asd, line 10: the file ends before this line"));
    QStringList red = goodLines();
    red[4] = QStringLiteral("red");
    const QString redPath = folder.writeLines("designs/red.asd", red);
    EXPECT_EQ(errorDetailOf([&] { DesignFile::read(redPath); }),
              QStringLiteral("designs/red.asd, line 5: 'red' is not a number"));

    const struct {
        const char* flag;
        bool refusesOverwrite;
        bool refusesDelete;
    } flags[] = {{"0", false, false}, {"1", true, true}, {"2", true, false}, {"-1", true, false}, {" 1 ", true, true}};
    for (const auto& f : flags) {
        SCOPED_TRACE(f.flag);
        QStringList lines = goodLines();
        lines[9] = QString::fromLatin1(f.flag);
        const QString path = folder.writeLines("designs/flag.asd", lines);
        EXPECT_EQ(DesignFile::refusesOverwrite(path), f.refusesOverwrite);
        EXPECT_EQ(DesignFile::read(path).refusesDelete(), f.refusesDelete);
    }
    // The overwrite check reads the flag alone: damaged colours do not keep a file.
    QStringList lines = goodLines();
    lines[4] = QStringLiteral("red");
    EXPECT_FALSE(DesignFile::refusesOverwrite(folder.writeLines("designs/red.asd", lines)));
}
