#pragma once

#include "data/clsDatentraeger.h"
#include "data/clsDatentraegerList.h"
#include "tests/support/TempProgramFolder.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// Titles and files the page tests build their collections from, shared by the
// tests on the fake host and those on the whole window.
namespace TestTitles {

// A title of the title pages: a cover that exists ("cover/c.bmp"), so that
// page 1 shows no message.
inline clsDatentraeger withCover(const QString& name, int rating = 0, int length = 0, int price = 0)
{
    clsDatentraeger d;
    d.SetFilmname(name);
    d.SetFormat(QStringLiteral("DVD"));
    d.SetBildpfad(QStringLiteral("cover/c.bmp"));
    d.SetBewertung(static_cast<std::uint8_t>(rating));
    d.SetLaenge(static_cast<std::int16_t>(length));
    d.SetKaufpreis(static_cast<std::int16_t>(price));
    return d;
}

// A title of the edit pages.
inline clsDatentraeger withYear(const QString& name, int rating = 0, const QString& landJahr = QString(), int price = 0)
{
    clsDatentraeger d;
    d.SetFilmname(name);
    d.SetFormat(QStringLiteral("DVD"));
    d.SetBewertung(static_cast<std::uint8_t>(rating));
    d.SetLandJahr(landJahr);
    d.SetKaufpreis(static_cast<std::int16_t>(price));
    return d;
}

// A small picture file in the program folder; returns its full path.
inline QString writePicture(const TempProgramFolder& folder, const QString& relative)
{
    QImage img(2, 2, QImage::Format_RGB32);
    img.fill(Qt::red);
    const QString path = folder.write(relative, QByteArray());
    img.save(path, "BMP");
    return path;
}

// Writes titles, in this order, as list file `name` of the lists folder; returns its path.
inline QString writeList(const TempProgramFolder& folder, const QString& name, const std::vector<clsDatentraeger>& titles)
{
    clsDatentraegerList list;
    for (const clsDatentraeger& d : titles)
        list.AddDVD(d);
    const QString path = folder.file(QStringLiteral("lists/") + name + QStringLiteral(".adl"));
    list.Save(path);
    return path;
}

// The names of the titles in a list file, in its order.
inline QStringList namesIn(const QString& listPath)
{
    clsDatentraegerList list;
    list.Load(listPath);
    QStringList names;
    for (int i = 1; i <= list.getListSize(); ++i)
        names << list.getDataString(i, clsDatentraegerList::FieldFilmname);
    return names;
}

} // namespace TestTitles
