#include "data/clsImportOldList.h"

#include "data/clsDatentraegerList.h"
#include "data/clsDefaultListFileHandler.h"
#include "platform/Numbers.h"
#include "platform/RuntimeError.h"

namespace {
constexpr int kLinesPerTitle = 16;
}

void clsImportOldList::ChangeToNewList(const QString& path)
{
    clsDefaultListFileHandler lines;
    lines.Load(path, true, true);
    const double count = Numbers::parse(lines.getElement(1));
    if (count < 0 || count > clsDatentraegerList::kMaxTitles || count != Numbers::intFloor(count))
        throw RuntimeError(ErrorKind::Capacity, QStringLiteral("%1 claims %2 titles").arg(path, lines.getElement(1)));
    const int n = static_cast<int>(count);
    if (lines.getListSize() < 1 + kLinesPerTitle * n)
        throw RuntimeError(ErrorKind::EndOfFile,
                           QStringLiteral("%1 holds %2 lines, %3 titles need %4")
                               .arg(path)
                               .arg(lines.getListSize())
                               .arg(n)
                               .arg(1 + kLinesPerTitle * n));

    clsDatentraegerList list;
    clsDatentraeger d;
    for (int k = 1; k <= n; ++k) {
        const int first = 2 + kLinesPerTitle * (k - 1);
        auto line = [&](int offset) { return lines.getElement(first + offset); };
        d.Clear();
        d.SetFilmname(line(0));
        d.SetBewertung(Numbers::toByte(line(1)));
        d.SetGenre(line(2));
        d.SetLandJahr(line(3));
        d.SetFsk(Numbers::toByte(line(4)));
        d.SetLaenge(Numbers::toInt16(line(5)));
        d.SetKaufpreis(Numbers::toInt16(line(6)));
        d.SetSonstiges(line(7));
        d.SetSchauspieler1(line(8));
        d.SetSchauspieler2(line(9));
        d.SetSchauspieler3(line(10));
        d.SetSchauspieler4(line(11));
        d.SetSchauspieler5(line(12));
        d.SetRegie(line(13));
        d.SetBildpfad(line(14));
        d.SetTrailerpfad(line(15));
        list.AddSortedDVD(d);
    }
    // The list writes a complete new file before it replaces the old one.
    list.Save(path);
    if (m_status)
        m_status(37, QString());
}
