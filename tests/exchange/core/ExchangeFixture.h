#pragma once

#include "data/clsDatentraeger.h"
#include "data/clsDatentraegerList.h"
#include "data/clsTranslation.h"
#include "exchange/core/Workbook.h"
#include "exchange/core/XlsWorkbook.h"
#include "exchange/core/XlsxSheetMerge.h"
#include "exchange/core/ZipArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

// Readable texts in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace exchange_test {

// The tests do not run beside the program, so every executable that reads
// workbooks points at the built reader.
[[maybe_unused]] inline const bool kReaderSet = [] {
    XlsWorkbook::setReaderProgram(QStringLiteral(QUORDVD_XLS_READER));
    return true;
}();

// Stands in for the .xls reader: a shell script of the given lines, run with
// the workbook's path as $1. The built reader and the default time limit
// come back afterwards.
class ScriptedReader {
public:
    explicit ScriptedReader(const QString& body)
    {
        const QString script = m_dir.path() + QStringLiteral("/reader.sh");
        QFile s(script);
        EXPECT_TRUE(s.open(QIODevice::WriteOnly));
        s.write(QStringLiteral("#!/bin/sh\n%1\n").arg(body).toUtf8());
        s.close();
        s.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        XlsWorkbook::setReaderProgram(script);
    }
    ~ScriptedReader()
    {
        XlsWorkbook::setReaderProgram(QStringLiteral(QUORDVD_XLS_READER));
        XlsWorkbook::setWallTime(0);
    }
    ScriptedReader(const ScriptedReader&) = delete;
    ScriptedReader& operator=(const ScriptedReader&) = delete;

private:
    QTemporaryDir m_dir;
};

// A save test run through both sheet merges: Bytes takes the byte merge
// wherever it serves (and the XML reader's where it does not), Stream the
// XML reader's merge alone. Both must give the same cells.
class BothMerges : public ::testing::TestWithParam<XlsxSheetMerge::Path> {
protected:
    void SetUp() override { XlsxSheetMerge::setStreamOnly(GetParam() == XlsxSheetMerge::Path::Stream); }
    void TearDown() override { XlsxSheetMerge::setStreamOnly(false); }
};

inline const auto kBothMerges = ::testing::Values(XlsxSheetMerge::Path::Bytes, XlsxSheetMerge::Path::Stream);

inline std::string mergeName(const ::testing::TestParamInfo<XlsxSheetMerge::Path>& info)
{
    return info.param == XlsxSheetMerge::Path::Bytes ? "Bytes" : "Stream";
}

// Not from __FILE__: a compiler cache may make that relative to the build folder.
inline QString sourceFolder() { return QStringLiteral(QUORDVD_SOURCE_DIR "/tests/exchange"); }

// A workbook written by tests/exchange/fixtures/make_fixtures.py.
inline QString fixture(const QString& name) { return sourceFolder() + QStringLiteral("/fixtures/") + name; }

inline QString shippedResource(const QString& name)
{
    return QDir(sourceFolder() + QStringLiteral("/../../resources")).absoluteFilePath(name);
}

// A copy of a fixture or a shipped file in folder, writable.
inline QString copyTo(const QString& source, const QString& folder, const QString& name)
{
    const QString target = folder + u'/' + name;
    QFile::remove(target);
    EXPECT_TRUE(QFile::copy(source, target)) << source.toStdString();
    QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return target;
}

// The shipped caption table in the first language.
inline const clsTranslation& shippedCaptions()
{
    static const clsTranslation table = [] {
        clsTranslation t;
        t.setLanguage(0);
        t.Load(shippedResource(QStringLiteral("languages/english-style.ass")));
        return t;
    }();
    return table;
}

// A caption table from lines "k#first#second".
inline clsTranslation captionsFrom(const QString& folder, const QStringList& lines)
{
    const QString path = folder + QStringLiteral("/captions.ass");
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    for (const QString& line : lines)
        f.write(line.toUtf8() + "\r\n");
    f.close();
    clsTranslation t;
    t.Load(path);
    return t;
}

// Title n of a test list: every field filled and telling.
inline clsDatentraeger numberedTitle(int n)
{
    clsDatentraeger d;
    const QString s = QString::number(n);
    d.SetFilmname(QStringLiteral("Film %1").arg(n, 2, 10, QLatin1Char('0')));
    d.SetFormat(n % 2 ? QStringLiteral("DVD") : QStringLiteral("BluRay"));
    d.SetBewertung(static_cast<std::uint8_t>(n % 6));
    d.SetGenre(QStringLiteral("Drama/Krimi"));
    d.SetLandJahr(QStringLiteral("USA 19") + QString::number(50 + n));
    d.SetFsk(static_cast<std::uint8_t>(n % 19));
    d.SetLaenge(static_cast<std::int16_t>(90 + n));
    d.SetKaufpreis(static_cast<std::int16_t>(1000 + n));
    d.SetSonstiges(QStringLiteral("frei ") + s);
    d.SetSchauspieler1(QStringLiteral("Anna ") + s);
    d.SetSchauspieler2(QStringLiteral("Bert ") + s);
    d.SetSchauspieler3(QStringLiteral("Carl ") + s);
    d.SetSchauspieler4(QStringLiteral("Dora ") + s);
    d.SetSchauspieler5(QStringLiteral("Emil ") + s);
    d.SetRegie(QStringLiteral("Regie ") + s);
    d.SetBildpfad(QStringLiteral("/films/cover/") + s + QStringLiteral(".jpg"));
    d.SetTrailerpfad(QStringLiteral("/films/trailer/") + s + QStringLiteral(".avi"));
    return d;
}

inline void fillList(clsDatentraegerList& list, int count)
{
    list.ClearList();
    for (int n = 1; n <= count; ++n)
        list.AddSortedDVD(numberedTitle(n));
}

// The texts of one sheet row, columns 1 to columns.
inline QStringList rowTexts(Workbook& book, int row, int columns = 17)
{
    QStringList texts;
    for (int c = 1; c <= columns; ++c)
        texts << book.cell(row, c).asText();
    return texts;
}

inline QStringList rowTexts(const QString& path, int row, int columns = 17)
{
    const auto book = Workbook::open(path);
    return rowTexts(*book, row, columns);
}

// The 17 field texts of title i in the export's column order.
inline QStringList titleTexts(const clsDatentraegerList& list, int i)
{
    using L = clsDatentraegerList;
    static const int fields[] = {L::FieldFilmname,      L::FieldFormat,        L::FieldBewertung,     L::FieldGenre,
                                 L::FieldLandJahr,      L::FieldFsk,           L::FieldLaenge,        L::FieldKaufpreis,
                                 L::FieldRegie,         L::FieldSchauspieler1, L::FieldSchauspieler2,
                                 L::FieldSchauspieler3, L::FieldSchauspieler4, L::FieldSchauspieler5,
                                 L::FieldSonstiges,     L::FieldBildpfad,      L::FieldTrailerpfad};
    QStringList texts;
    for (int f : fields)
        texts << list.getDataString(i, f);
    return texts;
}

inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every part of a package with its inflated bytes.
inline std::map<QString, QByteArray> packageParts(const QString& path, const QStringList& names)
{
    ZipArchive zip(path, ZipArchive::Mode::Read);
    std::map<QString, QByteArray> parts;
    for (const QString& n : names) {
        if (zip.contains(n))
            parts[n] = zip.read(n, 64 * 1024 * 1024);
    }
    return parts;
}

// The interpreter that has openpyxl, the independent judge of the files we write.
inline QString pythonWithOpenpyxl()
{
    for (const QString& candidate : {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
        QProcess p;
        p.start(candidate, {QStringLiteral("-c"), QStringLiteral("import openpyxl")});
        if (p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            return candidate;
    }
    return QString();
}

// Runs a Python script with the given arguments; its standard output, or a test failure.
inline QString runPython(const QString& script, const QStringList& args)
{
    const QString python = pythonWithOpenpyxl();
    if (python.isEmpty()) {
        ADD_FAILURE() << "python3 with openpyxl (python3-openpyxl) is needed to judge the workbooks";
        return QString();
    }
    QProcess p;
    p.start(python, QStringList{QStringLiteral("-c"), script} + args);
    EXPECT_TRUE(p.waitForFinished(60000));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    EXPECT_EQ(p.exitCode(), 0) << err.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace exchange_test
