#include "data/clsImportOldList.h"

#include "data/MessageTexts.h"
#include "data/clsDatentraegerList.h"
#include "data/clsDefaultListFileHandler.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/RuntimeError.h"

namespace {
constexpr int kLinesPerTitle = 16;
}

void clsImportOldList::ChangeToNewList(const QString& path)
{
    clsDefaultListFileHandler lines;
    lines.Load(path, true, true);
    // An error in the file names the file and the line.
    int lineNo = 1;
    const auto located = [&](ErrorKind kind, const QString& detail) {
        return RuntimeError(kind, QStringLiteral("%1, line %2: %3").arg(Paths::shown(path)).arg(lineNo).arg(detail));
    };
    const double count = Numbers::parse(lines.getElement(1));
    if (count < 0 || count > clsDatentraegerList::kMaxTitles || count != Numbers::intFloor(count))
        throw located(ErrorKind::Capacity,
                      QStringLiteral("%1 titles, a list holds 0 to %2").arg(lines.getElement(1)).arg(clsDatentraegerList::kMaxTitles));
    const int n = static_cast<int>(count);
    if (lines.getListSize() < 1 + kLinesPerTitle * n) {
        lineNo = lines.getListSize() + 1;
        throw located(ErrorKind::EndOfFile, QStringLiteral("the file ends before this line; %1 titles need %2 lines")
                                                .arg(n)
                                                .arg(1 + kLinesPerTitle * n));
    }

    clsDatentraegerList list;
    clsDatentraeger d;
    try {
        for (int k = 1; k <= n; ++k) {
            const int first = 2 + kLinesPerTitle * (k - 1);
            auto line = [&](int offset) {
                lineNo = first + offset;
                return lines.getElement(lineNo);
            };
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
    } catch (const RuntimeError& e) {
        throw located(e.kind(), e.detail());
    }
    // The list writes a complete new file before it replaces the old one.
    list.Save(path);
    if (m_status)
        m_status(MessageText::OldListConverted, QString());
}
