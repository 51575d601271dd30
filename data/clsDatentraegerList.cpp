#include "data/clsDatentraegerList.h"

#include "data/clsStringFunctions.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"
#include "platform/SequentialFile.h"

#include <QFile>
#include <QLocale>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <QRegularExpression>

#include <sys/stat.h>

namespace {

const QString kSeparatorLine = QStringLiteral("NEWDVD#") + QString(46, u'-');

// A line break inside a value would shift every later line of the file.
QString oneLine(const QString& value)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    // One pass: every text field of every title is asked this at each save.
    if (std::none_of(value.cbegin(), value.cend(), [](QChar c) { return c == u'\r' || c == u'\n'; }))
        return value;
    return QString(value).replace(lineEnd, QStringLiteral(" "));
}

// Actors share one line, separated by "#".
QString actorField(const QString& value) { return oneLine(value).replace(u'#', u' '); }

// The text of an empty line: empty, not null, as a line's text always is.
const QString& emptyText()
{
    static const QString empty = QStringView(u"", 0).toString();
    return empty;
}

// A cover or trailer path of a list line, full as the list keeps it; made
// as one new text, since a list of 9999 titles has two of them a title.
// root is the program folder.
QString completedPath(QStringView line, const QString& root)
{
    if (line.isEmpty())
        return emptyText();
    // A list brought from Windows, with "\", takes the general way.
    if (std::find(line.begin(), line.end(), u'\\') != line.end())
        return Paths::resolve(line.toString());
    if (Paths::isFull(QString::fromRawData(line.data(), line.size())))
        return line.toString();
    QString path(root.size() + 1 + line.size(), Qt::Uninitialized);
    QChar* out = path.data();
    out = std::copy(root.cbegin(), root.cend(), out);
    *out++ = u'/';
    std::copy(line.cbegin(), line.cend(), out);
    return path;
}

// The texts of a list that recur from title to title (formats, genres,
// countries and years, actors, directors) are few in a real collection: each
// is made once and the titles share it, so that a load makes a fraction of
// the texts. A text that hashes to the place of another takes it over, so a
// collection of texts that all differ costs a hash and a comparison more.
class RecurringTexts {
public:
    QString get(QStringView text)
    {
        if (text.isEmpty())
            return emptyText();
        QString& held = m_texts[placeOf(text)];
        if (held.size() != text.size() ||
            std::memcmp(held.constData(), text.data(), static_cast<size_t>(text.size()) * sizeof(QChar)) != 0)
            held = text.toString();
        return held;
    }

private:
    static constexpr int kPlaceBits = 10;

    // The length and the characters at the start, the middle and the end:
    // texts that differ elsewhere only share a place, and take turns in it.
    static size_t placeOf(QStringView text)
    {
        constexpr std::uint64_t kMix = 0x9E3779B97F4A7C15u;
        const char16_t* const units = text.utf16();
        const qsizetype n = text.size();
        std::uint64_t hash = static_cast<std::uint64_t>(n) * kMix;
        if (n >= 4) {
            for (const qsizetype at : {qsizetype(0), n / 2 - 2, n - 4}) {
                std::uint64_t word;
                std::memcpy(&word, units + at, sizeof word);
                hash = (hash ^ word) * kMix;
            }
        } else {
            for (qsizetype i = 0; i < n; ++i)
                hash = (hash ^ units[i]) * kMix;
        }
        return static_cast<size_t>(hash >> (64 - kPlaceBits));
    }

    QString m_texts[size_t(1) << kPlaceBits];
};

} // namespace

clsDatentraegerList::clsDatentraegerList() : m_collator(QLocale())
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

clsDatentraegerList::~clsDatentraegerList() = default;

void clsDatentraegerList::setStatusCallback(StatusCallback callback) { m_converter.setStatusCallback(std::move(callback)); }

clsDatentraegerList::Slot& clsDatentraegerList::slot(int index)
{
    m_fileStamp.reset();
    if (index < 0 || index > kMaxTitles)
        throw RuntimeError(ErrorKind::Index, QStringLiteral("title %1").arg(index));
    if (static_cast<size_t>(index) >= m_slots.size())
        m_slots.resize(static_cast<size_t>(index) + 1);
    auto& s = m_slots[static_cast<size_t>(index)];
    if (!s)
        s = std::make_unique<Slot>();
    return *s;
}

const clsDatentraeger& clsDatentraegerList::readSlot(int index) const
{
    static const clsDatentraeger empty;
    if (index < 0 || index > kMaxTitles)
        throw RuntimeError(ErrorKind::Index, QStringLiteral("title %1").arg(index));
    if (static_cast<size_t>(index) >= m_slots.size() || !m_slots[static_cast<size_t>(index)])
        return empty;
    return m_slots[static_cast<size_t>(index)]->dvd;
}

QCollatorSortKey clsDatentraegerList::keyOf(const QString& filmname) const
{
    return m_collator.sortKey(filmname.toLower());
}

const QCollatorSortKey& clsDatentraegerList::key(int index) const
{
    const Slot& s = *m_slots[static_cast<size_t>(index)];
    if (!s.key)
        s.key = keyOf(s.dvd.GetFilmname());
    return *s.key;
}

QString clsDatentraegerList::getDataString(int index, int field) const
{
    const clsDatentraeger& d = readSlot(index);
    switch (field) {
    case FieldFilmname: return d.GetFilmname();
    case FieldBewertung: return QString::number(d.GetBewertung());
    case FieldGenre: return d.GetGenre();
    case FieldLandJahr: return d.GetLandJahr();
    case FieldFsk: return QString::number(d.GetFsk());
    case FieldLaenge: return QString::number(d.GetLaenge());
    case FieldKaufpreis: return QString::number(d.GetKaufpreis());
    case FieldSonstiges: return d.GetSonstiges();
    case FieldSchauspieler1: return d.GetSchauspieler1();
    case FieldSchauspieler2: return d.GetSchauspieler2();
    case FieldSchauspieler3: return d.GetSchauspieler3();
    case FieldSchauspieler4: return d.GetSchauspieler4();
    case FieldSchauspieler5: return d.GetSchauspieler5();
    case FieldRegie: return d.GetRegie();
    case FieldBildpfad: return d.GetBildpfad();
    case FieldTrailerpfad: return d.GetTrailerpfad();
    case FieldSchauspielerAll: return d.GetSchauspielerAll();
    case FieldZusatztextPfad: return d.GetZusatztextPfad();
    case FieldFormat: return d.GetFormat();
    default: return QString();
    }
}

void clsDatentraegerList::setDVDString(int index, const QString& text, int field)
{
    if (field < FieldFilmname || field > FieldFormat || field == FieldSchauspielerAll || field == FieldZusatztextPfad) {
        readSlot(index); // still an index error for a bad index
        return;
    }
    clsDatentraeger& d = slot(index).dvd;
    switch (field) {
    case FieldFilmname:
        d.SetFilmname(text);
        nameChanged(index);
        break;
    case FieldBewertung: d.SetBewertung(Numbers::toByte(text)); break;
    case FieldGenre: d.SetGenre(text); break;
    case FieldLandJahr: d.SetLandJahr(text); break;
    case FieldFsk: d.SetFsk(Numbers::toByte(text)); break;
    case FieldLaenge: d.SetLaenge(Numbers::toInt16(text)); break;
    case FieldKaufpreis: d.SetKaufpreis(Numbers::toInt16(text)); break;
    case FieldSonstiges: d.SetSonstiges(text); break;
    case FieldSchauspieler1: d.SetSchauspieler1(text); break;
    case FieldSchauspieler2: d.SetSchauspieler2(text); break;
    case FieldSchauspieler3: d.SetSchauspieler3(text); break;
    case FieldSchauspieler4: d.SetSchauspieler4(text); break;
    case FieldSchauspieler5: d.SetSchauspieler5(text); break;
    case FieldRegie: d.SetRegie(text); break;
    case FieldBildpfad: d.SetBildpfad(text); break;
    case FieldTrailerpfad: d.SetTrailerpfad(text); break;
    case FieldFormat: d.SetFormat(text); break;
    default: break;
    }
}

void clsDatentraegerList::nameChanged(int index)
{
    slot(index).key.reset();
    if (index >= 1 && index <= m_count)
        m_ordered = false;
}

void clsDatentraegerList::setDVD(int index, const clsDatentraeger& dvd)
{
    slot(index).dvd = dvd;
    nameChanged(index);
}

clsDatentraeger clsDatentraegerList::getDVD(int index) const { return readSlot(index); }

int clsDatentraegerList::indexOfFilmname(const QString& name, bool exact) const
{
    const QString lowerName = name.toLower();
    for (int i = 1; i <= m_count; ++i) {
        const QString& film = readSlot(i).GetFilmname();
        if (exact ? film == name : film.toLower().startsWith(lowerName))
            return i;
    }
    return 0;
}

const clsDatentraeger& clsDatentraegerList::titleAt(int index) const
{
    if (index < 1 || index > m_count)
        throw RuntimeError(ErrorKind::Index, QStringLiteral("title %1 of %2").arg(index).arg(m_count));
    return readSlot(index);
}

std::optional<clsDatentraegerList::FileStamp> clsDatentraegerList::stampOf(const QString& path)
{
    const QString full = Paths::resolve(path);
    struct stat st {};
    if (full.isEmpty() || ::stat(QFile::encodeName(full).constData(), &st) != 0)
        return std::nullopt;
    // A save renames a new file into place, so the inode tells a rewrite of the same size and time.
    return FileStamp{full, static_cast<unsigned long long>(st.st_ino), static_cast<long long>(st.st_size),
                     static_cast<long long>(st.st_mtim.tv_sec) * 1'000'000'000LL + st.st_mtim.tv_nsec};
}

bool clsDatentraegerList::isFileUnchanged(const QString& path) const
{
    return m_fileStamp && m_fileStamp == stampOf(path);
}

void clsDatentraegerList::AddDVD(const clsDatentraeger& dvd) { AddDVD(clsDatentraeger(dvd)); }

void clsDatentraegerList::AddDVD(clsDatentraeger&& dvd)
{
    if (m_count >= kMaxTitles)
        throw RuntimeError(ErrorKind::Capacity, QStringLiteral("a list holds at most %1 titles").arg(kMaxTitles));
    slot(m_count + 1).dvd = std::move(dvd);
    ++m_count;
    nameChanged(m_count);
}

void clsDatentraegerList::RemoveDVD(int index)
{
    m_fileStamp.reset();
    if (index < 1 || index > m_count)
        throw RuntimeError(ErrorKind::Index, QStringLiteral("title %1 of %2").arg(index).arg(m_count));
    shiftDown(index, m_count);
    --m_count;
}

bool clsDatentraegerList::checkOrder() const
{
    for (int i = 2; i <= m_count; ++i) {
        if (key(i - 1).compare(key(i)) > 0)
            return false;
    }
    return true;
}

int clsDatentraegerList::insertPosition(const QCollatorSortKey& newKey)
{
    if (!m_ordered)
        m_ordered = checkOrder();
    if (m_ordered) {
        // In an ordered list the first title not below the new one is found by halves.
        int lo = 1, hi = m_count + 1;
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (newKey.compare(key(mid)) > 0)
                lo = mid + 1;
            else
                hi = mid;
        }
        return lo;
    }
    for (int i = 1; i <= m_count; ++i) {
        if (newKey.compare(key(i)) <= 0)
            return i;
    }
    return m_count + 1;
}

void clsDatentraegerList::AddSortedDVD(const clsDatentraeger& dvd)
{
    if (m_count >= kMaxTitles)
        throw RuntimeError(ErrorKind::Capacity, QStringLiteral("a list holds at most %1 titles").arg(kMaxTitles));
    QCollatorSortKey newKey = keyOf(dvd.GetFilmname());
    const int i = insertPosition(newKey);
    shiftUp(i, m_count);
    Slot& s = slot(i);
    s.dvd = dvd;
    s.key = std::move(newKey);
    ++m_count;
}

void clsDatentraegerList::AddSortedDVDs(std::vector<clsDatentraeger> dvds)
{
    const int n = static_cast<int>(dvds.size());
    if (n > kMaxTitles - m_count)
        throw RuntimeError(ErrorKind::Capacity, QStringLiteral("a list holds at most %1 titles").arg(kMaxTitles));
    if (!m_ordered)
        m_ordered = checkOrder();
    if (!m_ordered) {
        // An unordered list places each record by its walk from the top.
        for (const clsDatentraeger& d : dvds)
            AddSortedDVD(d);
        return;
    }
    std::vector<std::unique_ptr<Slot>> added;
    added.reserve(dvds.size());
    // Later records come first among equal names, as one insert after another puts them.
    for (auto d = dvds.rbegin(); d != dvds.rend(); ++d) {
        auto s = std::make_unique<Slot>();
        s->key = keyOf(d->GetFilmname());
        s->dvd = std::move(*d);
        added.push_back(std::move(s));
    }
    const auto below = [](const std::unique_ptr<Slot>& a, const std::unique_ptr<Slot>& b) {
        return a->key->compare(*b->key) < 0;
    };
    std::stable_sort(added.begin(), added.end(), below);
    for (int i = 1; i <= m_count; ++i)
        key(i);
    slot(m_count); // slot 0 at least, so that the range below starts inside the table
    // A new record goes before the equal names already held: merge takes from
    // its first range on a tie.
    std::vector<std::unique_ptr<Slot>> merged;
    merged.reserve(static_cast<size_t>(m_count + n));
    std::merge(std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()),
               std::make_move_iterator(m_slots.begin() + 1), std::make_move_iterator(m_slots.begin() + m_count + 1),
               std::back_inserter(merged), below);
    if (m_slots.size() < static_cast<size_t>(m_count + n + 1))
        m_slots.resize(static_cast<size_t>(m_count + n + 1));
    std::move(merged.begin(), merged.end(), m_slots.begin() + 1);
    m_count += n;
}

void clsDatentraegerList::ClearList()
{
    m_fileStamp.reset();
    m_count = 0;
    m_ordered = true;
}

// Slot k+1 := slot k for k = to down to from. Records move by pointer, so a
// shift costs one record copy however long it is.
void clsDatentraegerList::shiftUp(int from, int to)
{
    if (from > to)
        return;
    if (from < 0 || to + 1 > kMaxTitles)
        throw RuntimeError(ErrorKind::Index, QStringLiteral("titles %1 to %2").arg(from).arg(to + 1));
    slot(to + 1);
    slot(from);
    for (int k = from; k <= to; ++k)
        slot(k); // every slot in between must exist before pointers move
    auto first = m_slots.begin() + from;
    std::rotate(first, m_slots.begin() + to + 1, m_slots.begin() + to + 2);
    // Slot from keeps its old contents, as a copy.
    *m_slots[static_cast<size_t>(from)] = *m_slots[static_cast<size_t>(from) + 1];
}

// Slot k := slot k+1 for k = from to to - 1; slot to keeps its contents.
void clsDatentraegerList::shiftDown(int from, int to)
{
    if (from >= to)
        return;
    if (from < 0 || to > kMaxTitles)
        throw RuntimeError(ErrorKind::Index, QStringLiteral("titles %1 to %2").arg(from).arg(to));
    for (int k = from; k <= to; ++k)
        slot(k);
    std::rotate(m_slots.begin() + from, m_slots.begin() + from + 1, m_slots.begin() + to + 1);
    *m_slots[static_cast<size_t>(to)] = *m_slots[static_cast<size_t>(to) - 1];
}

void clsDatentraegerList::ShiftDVDsUp(int from, int to)
{
    shiftUp(from, to);
    m_ordered = false;
}

void clsDatentraegerList::ShiftDVDsDown(int from, int to)
{
    shiftDown(from, to);
    m_ordered = false;
}

void clsDatentraegerList::Save(const QString& path) const
{
    SequentialFile file(path, SequentialFile::Mode::Output);
    file.writeLine(QStringLiteral("LIST VERSION#") + QString::number(m_version));
    file.writeLine(QStringLiteral("COUNT#") + QString::number(m_count));
    for (int i = 1; i <= m_count; ++i) {
        const clsDatentraeger& d = readSlot(i);
        file.writeLine(kSeparatorLine);
        file.writeLine(oneLine(d.GetFilmname()));
        file.writeLine(oneLine(d.GetFormat()));
        file.writeNumber(d.GetBewertung());
        file.writeLine(oneLine(d.GetGenre()));
        file.writeLine(oneLine(d.GetLandJahr()));
        file.writeNumber(d.GetFsk());
        file.writeNumber(d.GetLaenge());
        file.writeNumber(d.GetKaufpreis());
        file.writeLine(oneLine(d.GetSonstiges()));
        file.writeLine(actorField(d.GetSchauspieler1()) + u'#' + actorField(d.GetSchauspieler2()) + u'#' +
                       actorField(d.GetSchauspieler3()) + u'#' + actorField(d.GetSchauspieler4()) + u'#' +
                       actorField(d.GetSchauspieler5()));
        file.writeLine(oneLine(d.GetRegie()));
        file.writeLine(oneLine(d.GetBildpfad()));
        file.writeLine(oneLine(d.GetTrailerpfad()));
    }
    m_fileStamp.reset();
    file.close();
    m_fileStamp = stampOf(path);
}

void clsDatentraegerList::Load(const QString& path) { load(path, true); }

void clsDatentraegerList::load(const QString& path, bool mayConvert)
{
    m_fileStamp.reset();
    m_count = 0;
    m_version = 0;
    m_ordered = true;
    SequentialFile file(path, SequentialFile::Mode::Input);
    const QString head = [&] {
        try {
            return file.readLine();
        } catch (const RuntimeError& e) {
            throw file.atLine(e);
        }
    }();
    if (mayConvert && Numbers::tryParse(head)) {
        file.close();
        m_converter.ChangeToNewList(path);
        load(path, false);
        return;
    }
    // Whatever stops the reading is told with the file and the line, so
    // that the user can find it.
    try {
        readTitles(file, head);
    } catch (const RuntimeError& e) {
        throw file.atLine(e);
    }
    file.close();
    m_fileStamp = stampOf(path);
}

void clsDatentraegerList::readTitles(SequentialFile& file, const QString& head)
{
    m_version = Numbers::toByte(clsStringFunctions::GetStringPartBySeparator(head, 2, QStringLiteral("#")));
    const int n = Numbers::toInt16(clsStringFunctions::GetStringPartBySeparator(file.readLine(), 2, QStringLiteral("#")));
    if (n < 0 || n > kMaxTitles)
        throw RuntimeError(ErrorKind::Capacity, QStringLiteral("%1 titles, a list holds 0 to %2").arg(n).arg(kMaxTitles));
    // The table grows once, not at each power of two on the way.
    m_slots.reserve(static_cast<size_t>(n) + 1);
    const QString root = ProgramFolder::path();
    // On the heap: a table of a thousand texts is too big for the stack of every thread.
    const auto recurring = std::make_unique<RecurringTexts>();

    for (int i = 1; i <= n; ++i) {
        clsDatentraeger d;
        file.skipLine(); // the NEWDVD separator
        d.SetFilmname(file.readLine());
        d.SetFormat(recurring->get(file.readLineView()));
        d.SetBewertung(Numbers::toByte(file.readNumber()));
        d.SetGenre(recurring->get(file.readLineView()));
        d.SetLandJahr(recurring->get(file.readLineView()));
        d.SetFsk(Numbers::toByte(file.readNumber()));
        d.SetLaenge(Numbers::toInt16(file.readNumber()));
        d.SetKaufpreis(Numbers::toInt16(file.readNumber()));
        d.SetSonstiges(recurring->get(file.readLineView()));
        // The five actors between "#", in one pass; missing ones are empty.
        const QStringView actors = file.readLineView();
        QString parts[5];
        qsizetype from = 0;
        for (int k = 0; k < 5 && from <= actors.size(); ++k) {
            qsizetype to = from;
            while (to < actors.size() && actors[to] != u'#')
                ++to;
            parts[k] = recurring->get(actors.sliced(from, to - from));
            from = to + 1;
        }
        d.SetSchauspieler1(std::move(parts[0]));
        d.SetSchauspieler2(std::move(parts[1]));
        d.SetSchauspieler3(std::move(parts[2]));
        d.SetSchauspieler4(std::move(parts[3]));
        d.SetSchauspieler5(std::move(parts[4]));
        d.SetRegie(recurring->get(file.readLineView()));
        d.SetBildpfad(completedPath(file.readLineView(), root));
        d.SetTrailerpfad(completedPath(file.readLineView(), root));
        AddDVD(std::move(d));
    }
}
