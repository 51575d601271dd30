#include "shelf/core/clsRegalCtrl.h"

#include "data/DiscFormat.h"
#include "data/ProgramFiles.h"
#include "data/clsPathFunctions.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/RuntimeError.h"
#include "platform/SequentialFile.h"
#include "platform/WholeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

std::int16_t clamp16(qint64 value)
{
    return static_cast<std::int16_t>(std::clamp<qint64>(value, std::numeric_limits<std::int16_t>::min(),
                                                        std::numeric_limits<std::int16_t>::max()));
}

std::uint8_t clampByte(qint64 value) { return static_cast<std::uint8_t>(std::clamp<qint64>(value, 0, 255)); }

// A whole number of any size, held in the range that every stored value fits.
qint64 wholeNumber(const QString& text)
{
    const double v = Numbers::intFloor(Numbers::parse(text));
    constexpr double limit = 1e15;
    return static_cast<qint64>(std::clamp(v, -limit, limit));
}

qint64 floorDiv(qint64 a, qint64 b)
{
    qint64 q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

// A line break inside a value would shift every later line of the file.
QString oneLine(const QString& value)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    if (!value.contains(u'\r') && !value.contains(u'\n'))
        return value;
    return QString(value).replace(lineEnd, QStringLiteral(" "));
}

QString numbersLine(int a, int b, int c, int d)
{
    return QStringLiteral("%1#%2#%3#%4").arg(a).arg(b).arg(c).arg(d);
}

// Parts 1 to 4 of a "#" line; a missing or non-numeric part fails the file.
// The first four parts of "a#b#c#d" (a missing part is empty). One pass over
// the line, each part read in place: a shelf has a line of these per title.
void readFour(const QString& line, std::int16_t& a, std::int16_t& b, std::int16_t& c, std::int16_t& d)
{
    std::int16_t* const values[] = {&a, &b, &c, &d};
    qsizetype start = 0;
    for (std::int16_t* value : values) {
        QString part;
        if (start <= line.size()) {
            qsizetype end = line.indexOf(u'#', start);
            if (end < 0)
                end = line.size();
            part = QString::fromRawData(line.constData() + start, end - start);
            start = end + 1;
        }
        *value = Numbers::toInt16(part);
    }
}

} // namespace

clsRegalCtrl::clsRegalCtrl()
    : m_movies(kMaxMovies + 1), m_bretter(kMaxBretter + 1), m_collator(QLocale())
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

void clsRegalCtrl::setBGpath(const QString& path) { m_bgPath = Paths::resolve(path); }

void clsRegalCtrl::setMovieSize(int percent) { m_movieSize = clamp16(percent); }

// ---------------------------------------------------------------- table access

clsRegalCtrl::Entry* clsRegalCtrl::movie(int index)
{
    return (index >= 0 && index <= kMaxMovies) ? &m_movies[static_cast<size_t>(index)] : nullptr;
}

const clsRegalCtrl::Entry* clsRegalCtrl::movie(int index) const
{
    return (index >= 0 && index <= kMaxMovies) ? &m_movies[static_cast<size_t>(index)] : nullptr;
}

clsRegalCtrl::Entry* clsRegalCtrl::brett(int index)
{
    return (index >= 0 && index <= kMaxBretter) ? &m_bretter[static_cast<size_t>(index)] : nullptr;
}

const clsRegalCtrl::Entry* clsRegalCtrl::brett(int index) const
{
    return (index >= 0 && index <= kMaxBretter) ? &m_bretter[static_cast<size_t>(index)] : nullptr;
}

void clsRegalCtrl::setName(Entry& e, const QString& name)
{
    e.name = name;
    e.lower = name.toLower();
    e.key.reset();
}

const QCollatorSortKey& clsRegalCtrl::keyOf(int index) const
{
    const Entry& e = m_movies[static_cast<size_t>(index)];
    if (!e.key)
        e.key = m_collator.sortKey(e.lower);
    return *e.key;
}

void clsRegalCtrl::requireMovieRoom(int more) const
{
    if (m_movieCount + more > kMaxMovies)
        throw RuntimeError(ErrorKind::Capacity, QStringLiteral("a shelf holds at most %1 titles").arg(kMaxMovies));
}

int clsRegalCtrl::GetDefaultMovieWidth(const QString& format)
{
    return DiscFormat::of(format).spineWidth;
}

int clsRegalCtrl::GetDefaultMovieHeight(const QString& format)
{
    return DiscFormat::of(format).spineHeight;
}

// Titles index to count move up by one place; the caller fills slot index.
void clsRegalCtrl::ShiftMoviesUp(int index, int count)
{
    if (index > count)
        return;
    auto first = m_movies.begin() + index;
    std::move_backward(first, m_movies.begin() + count + 1, m_movies.begin() + count + 2);
}

// Titles index + 1 to count move down by one place; slot count keeps its contents.
void clsRegalCtrl::ShiftMoviesDown(int index, int count)
{
    if (index >= count)
        return;
    std::move(m_movies.begin() + index + 1, m_movies.begin() + count + 1, m_movies.begin() + index);
    m_movies[static_cast<size_t>(count)] = m_movies[static_cast<size_t>(count) - 1];
}

// A board's reserved number belongs to its slot: only the four values move.
void clsRegalCtrl::ShiftBrettsDown(int index, int count)
{
    for (int k = index; k < count; ++k) {
        Entry& to = m_bretter[static_cast<size_t>(k)];
        const Entry& from = m_bretter[static_cast<size_t>(k) + 1];
        to.a = from.a;
        to.b = from.b;
        to.c = from.c;
        to.mark = from.mark;
    }
}

int clsRegalCtrl::insertPosition(const QCollatorSortKey& key)
{
    if (!m_ordered) {
        m_ordered = true;
        for (int i = 2; i <= m_movieCount && m_ordered; ++i)
            m_ordered = keyOf(i - 1).compare(keyOf(i)) <= 0;
    }
    if (m_ordered) {
        int lo = 1, hi = m_movieCount + 1;
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (key.compare(keyOf(mid)) > 0)
                lo = mid + 1;
            else
                hi = mid;
        }
        return lo;
    }
    for (int i = 1; i <= m_movieCount; ++i) {
        if (key.compare(keyOf(i)) <= 0)
            return i;
    }
    return m_movieCount + 1;
}

// ---------------------------------------------------------------- titles and boards

void clsRegalCtrl::AddMovie(const QString& name, int top, int left)
{
    requireMovieRoom(1);
    ++m_movieCount;
    Entry& e = m_movies[static_cast<size_t>(m_movieCount)];
    setName(e, name);
    e.a = clamp16(left);
    e.b = clamp16(top);
    e.c = static_cast<std::int16_t>(GetDefaultMovieWidth(QString()));
    e.d = static_cast<std::int16_t>(GetDefaultMovieHeight(QString()));
    e.mark = 0;
    m_ordered = false;
}

void clsRegalCtrl::AddSortedMovie(const QString& name, const QString& format, int left, int top, int width,
                                  int height)
{
    requireMovieRoom(1);
    QString lower = name.toLower();
    QCollatorSortKey key = m_collator.sortKey(lower);
    const int p = insertPosition(key);
    ShiftMoviesUp(p, m_movieCount);
    Entry& e = m_movies[static_cast<size_t>(p)];
    e.name = name;
    e.lower = std::move(lower);
    e.key = std::move(key);
    e.a = clamp16(left);
    e.b = clamp16(top);
    e.c = clamp16(width > 0 ? width : GetDefaultMovieWidth(format));
    e.d = clamp16(height > 0 ? height : GetDefaultMovieHeight(format));
    e.mark = 0;
    ++m_movieCount;
}

void clsRegalCtrl::RemoveDVD(int index)
{
    if (index < 1 || index > m_movieCount)
        return;
    ShiftMoviesDown(index, m_movieCount);
    --m_movieCount;
}

void clsRegalCtrl::RemoveMovieByTitle(const QString& name) { RemoveDVD(IndexOfMovie(name)); }

void clsRegalCtrl::AddBrett(int top, int left, int width)
{
    if (m_brettCount >= kMaxBretter)
        throw RuntimeError(ErrorKind::Capacity, QStringLiteral("a shelf holds at most %1 boards").arg(kMaxBretter));
    ++m_brettCount;
    Entry& e = m_bretter[static_cast<size_t>(m_brettCount)];
    e.c = clamp16(width);
    e.a = clamp16(left);
    e.b = clamp16(top);
    e.mark = 0;
}

void clsRegalCtrl::RemoveBrett(int index)
{
    if (index < 1 || index > m_brettCount)
        return;
    ShiftBrettsDown(index, m_brettCount);
    --m_brettCount;
}

// ---------------------------------------------------------------- values

void clsRegalCtrl::SetMovieValue(int index, int valueNo, const QString& text)
{
    Entry* e = movie(index);
    if (!e || valueNo < MovieName || valueNo > MovieMark)
        return;
    if (valueNo == MovieName) {
        setName(*e, text);
        if (index >= 1 && index <= m_movieCount)
            m_ordered = false;
        return;
    }
    const qint64 v = wholeNumber(text);
    SetMovieNumber(index, valueNo, static_cast<int>(std::clamp<qint64>(v, std::numeric_limits<int>::min(),
                                                                         std::numeric_limits<int>::max())));
}

void clsRegalCtrl::SetMovieNumber(int index, int valueNo, int value)
{
    Entry* e = movie(index);
    if (!e)
        return;
    switch (valueNo) {
    case MovieLeft: e->a = clamp16(value); break;
    case MovieTop: e->b = clamp16(value); break;
    case MovieWidth: e->c = clamp16(value); break;
    case MovieHeight: e->d = clamp16(value); break;
    case MovieMark: e->mark = clampByte(value); break;
    default: break;
    }
}

int clsRegalCtrl::GetMovieNumber(int index, int valueNo) const
{
    const Entry* e = movie(index);
    if (!e)
        return 0;
    switch (valueNo) {
    case MovieLeft: return e->a;
    case MovieTop: return e->b;
    case MovieWidth: return e->c;
    case MovieHeight: return e->d;
    case MovieMark: return e->mark;
    default: return 0;
    }
}

QString clsRegalCtrl::GetMovieValue(int index, int valueNo) const
{
    const Entry* e = movie(index);
    if (!e || valueNo < MovieName || valueNo > MovieMark)
        return QString();
    if (valueNo == MovieName)
        return e->name;
    return QString::number(GetMovieNumber(index, valueNo));
}

void clsRegalCtrl::SetBrettValue(int index, int valueNo, const QString& text)
{
    if (!brett(index) || valueNo < BrettLeft || valueNo > BrettMark)
        return;
    const qint64 v = wholeNumber(text);
    SetBrettNumber(index, valueNo, static_cast<int>(std::clamp<qint64>(v, std::numeric_limits<int>::min(),
                                                                         std::numeric_limits<int>::max())));
}

void clsRegalCtrl::SetBrettNumber(int index, int valueNo, int value)
{
    Entry* e = brett(index);
    if (!e)
        return;
    switch (valueNo) {
    case BrettLeft: e->a = clamp16(value); break;
    case BrettTop: e->b = clamp16(value); break;
    case BrettWidth: e->c = clamp16(value); break;
    case BrettMark: e->mark = clampByte(value); break;
    default: break;
    }
}

int clsRegalCtrl::GetBrettNumber(int index, int valueNo) const
{
    const Entry* e = brett(index);
    if (!e)
        return 0;
    switch (valueNo) {
    case BrettLeft: return e->a;
    case BrettTop: return e->b;
    case BrettWidth: return e->c;
    case BrettMark: return e->mark;
    default: return 0;
    }
}

QString clsRegalCtrl::GetBrettValue(int index, int valueNo) const
{
    if (!brett(index) || valueNo < BrettLeft || valueNo > BrettMark)
        return QString();
    return QString::number(GetBrettNumber(index, valueNo));
}

int clsRegalCtrl::IndexOfMovie(const QString& name) const
{
    const QString lower = name.toLower();
    for (int i = 1; i <= m_movieCount; ++i) {
        if (m_movies[static_cast<size_t>(i)].lower == lower)
            return i;
    }
    return 0;
}

bool clsRegalCtrl::IsFilmInRegal(const QString& name) const { return IndexOfMovie(name) > 0; }

void clsRegalCtrl::ClearAllMarks()
{
    for (int i = 1; i <= m_movieCount; ++i)
        m_movies[static_cast<size_t>(i)].mark = 0;
}

quint64 clsRegalCtrl::Fingerprint() const
{
    // FNV-1a over the same values the file holds.
    quint64 h = 14695981039346656037ull;
    const auto mix = [&h](quint64 v) {
        h ^= v;
        h *= 1099511628211ull;
    };
    const auto text = [&mix](const QString& s) {
        mix(static_cast<quint64>(s.size()));
        for (QChar c : s)
            mix(c.unicode());
    };
    text(m_bgPath);
    mix(static_cast<quint64>(m_movieCount));
    mix(static_cast<quint64>(m_brettCount));
    mix(static_cast<quint64>(m_movieSize));
    const auto values = [&mix](const Entry& e) {
        mix((quint64(quint16(e.a)) << 48) | (quint64(quint16(e.b)) << 32) | (quint64(quint16(e.c)) << 16) |
            quint64(quint16(e.d)));
    };
    for (int i = 1; i <= m_movieCount; ++i) {
        text(m_movies[static_cast<size_t>(i)].name);
        values(m_movies[static_cast<size_t>(i)]);
    }
    for (int j = 1; j <= m_brettCount; ++j)
        values(m_bretter[static_cast<size_t>(j)]);
    return h;
}

// ---------------------------------------------------------------- geometry and marks

int clsRegalCtrl::ScaledSize(int base, int percent)
{
    return static_cast<int>(floorDiv(static_cast<qint64>(base) * percent, 100));
}

QRect clsRegalCtrl::MovieRect(int index) const
{
    const Entry* e = movie(index);
    if (!e)
        return QRect();
    return QRect(e->a, e->b, ScaledSize(e->c, m_movieSize), ScaledSize(e->d, m_movieSize));
}

void clsRegalCtrl::MarkAll()
{
    for (int i = 1; i <= m_movieCount; ++i)
        m_movies[static_cast<size_t>(i)].mark = 1;
    for (int j = 1; j <= m_brettCount; ++j)
        m_bretter[static_cast<size_t>(j)].mark = 1;
}

void clsRegalCtrl::UnmarkAll()
{
    ClearAllMarks();
    for (int j = 1; j <= m_brettCount; ++j)
        m_bretter[static_cast<size_t>(j)].mark = 0;
}

int clsRegalCtrl::MarkObjectsInSelection(int left, int top, int width, int height, int brettThickness)
{
    const auto inside = [&](qint64 l, qint64 t, qint64 w, qint64 h) {
        return t >= top && t + h <= qint64(top) + height && l >= left && l + w <= qint64(left) + width;
    };
    int count = 0;
    for (int i = 1; i <= m_movieCount; ++i) {
        Entry& e = m_movies[static_cast<size_t>(i)];
        if (inside(e.a, e.b, ScaledSize(e.c, m_movieSize), ScaledSize(e.d, m_movieSize))) {
            e.mark = 1;
            ++count;
        }
    }
    for (int j = 1; j <= m_brettCount; ++j) {
        Entry& e = m_bretter[static_cast<size_t>(j)];
        if (inside(e.a, e.b, e.c, brettThickness)) {
            e.mark = 1;
            ++count;
        }
    }
    return count;
}

// ---------------------------------------------------------------- moves

void clsRegalCtrl::MoveMarkedBlock(int x, int y, int originLeft, int originTop)
{
    qint64 best = 30000, dxRef = 0, dyRef = 0;
    const auto consider = [&](const Entry& e) {
        const qint64 dx = qint64(e.a) - originLeft;
        const qint64 dy = qint64(e.b) - originTop;
        if (dx + dy < best) {
            best = dx + dy;
            dxRef = dx;
            dyRef = dy;
        }
    };
    const auto move = [&](Entry& e) {
        const qint64 top = qint64(e.b) - originTop + y - dyRef;
        const qint64 left = qint64(e.a) - originLeft + x - dxRef;
        e.b = clamp16(top);
        e.a = clamp16(left);
    };
    for (int i = 1; i <= m_movieCount; ++i) {
        if (m_movies[static_cast<size_t>(i)].mark == 1)
            consider(m_movies[static_cast<size_t>(i)]);
    }
    for (int j = 1; j <= m_brettCount; ++j) {
        if (m_bretter[static_cast<size_t>(j)].mark == 1)
            consider(m_bretter[static_cast<size_t>(j)]);
    }
    for (int i = 1; i <= m_movieCount; ++i) {
        if (m_movies[static_cast<size_t>(i)].mark == 1)
            move(m_movies[static_cast<size_t>(i)]);
    }
    for (int j = 1; j <= m_brettCount; ++j) {
        if (m_bretter[static_cast<size_t>(j)].mark == 1)
            move(m_bretter[static_cast<size_t>(j)]);
    }
}

void clsRegalCtrl::MoveMarkedInRow(int x, int y, int innerWidth, int brettThickness)
{
    const qint64 pitch = qint64(m_movieSize) + brettThickness;
    const qint64 step = floorDiv(m_movieSize, 13);
    qint64 dx = 0, dy = 0;
    for (int i = 1; i <= m_movieCount; ++i) {
        Entry& e = m_movies[static_cast<size_t>(i)];
        if (e.mark != 1)
            continue;
        e.b = clamp16(qint64(y) + dy);
        e.a = clamp16(qint64(x) + dx);
        if (step + x + dx + 5 > innerWidth) {
            dx = 0;
            dy += pitch;
        } else {
            dx += step;
        }
    }
    qint64 off = m_movieSize;
    for (int j = 1; j <= m_brettCount; ++j) {
        Entry& e = m_bretter[static_cast<size_t>(j)];
        if (e.mark != 1)
            continue;
        e.b = clamp16(qint64(y) + off);
        e.a = clamp16(x);
        off += pitch;
    }
}

// ---------------------------------------------------------------- editing the marked objects

void clsRegalCtrl::RemoveMarkedMovies()
{
    // Keeps the others in their order, as removing the marked ones from the last up would.
    int w = 1;
    for (int r = 1; r <= m_movieCount; ++r) {
        if (m_movies[static_cast<size_t>(r)].mark == 1)
            continue;
        if (w != r)
            m_movies[static_cast<size_t>(w)] = m_movies[static_cast<size_t>(r)];
        ++w;
    }
    m_movieCount = w - 1;
}

void clsRegalCtrl::RemoveMarkedBretts()
{
    for (int j = m_brettCount; j >= 1; --j) {
        if (m_bretter[static_cast<size_t>(j)].mark == 1)
            RemoveBrett(j);
    }
}

int clsRegalCtrl::LengthenMarkedBretts(int innerWidth)
{
    int refused = 0;
    for (int j = 1; j <= m_brettCount; ++j) {
        Entry& e = m_bretter[static_cast<size_t>(j)];
        if (e.mark != 1)
            continue;
        if (qint64(e.a) + e.c <= innerWidth)
            e.c = clamp16(qint64(e.c) + 1);
        else
            ++refused;
    }
    return refused;
}

int clsRegalCtrl::ShortenMarkedBretts()
{
    int refused = 0;
    for (int j = 1; j <= m_brettCount; ++j) {
        Entry& e = m_bretter[static_cast<size_t>(j)];
        if (e.mark != 1)
            continue;
        if (e.c >= 10)
            --e.c;
        else
            ++refused;
    }
    return refused;
}

void clsRegalCtrl::WidenMarkedMovies()
{
    for (int i = 1; i <= m_movieCount; ++i) {
        Entry& e = m_movies[static_cast<size_t>(i)];
        if (e.mark == 1 && e.c < 50)
            ++e.c;
    }
}

void clsRegalCtrl::NarrowMarkedMovies()
{
    for (int i = 1; i <= m_movieCount; ++i) {
        Entry& e = m_movies[static_cast<size_t>(i)];
        if (e.mark == 1 && e.c > 3)
            --e.c;
    }
}

void clsRegalCtrl::LayDownMarkedMovies()
{
    for (int i = 1; i <= m_movieCount; ++i) {
        Entry& e = m_movies[static_cast<size_t>(i)];
        if (e.mark == 1)
            std::swap(e.c, e.d);
    }
}

void clsRegalCtrl::PutMoviesOnBretter()
{
    int t = 1;
    qint64 used = 0;
    for (int b = 1; b <= m_brettCount && t <= m_movieCount; ++b) {
        const Entry& board = m_bretter[static_cast<size_t>(b)];
        while (t <= m_movieCount) {
            Entry& e = m_movies[static_cast<size_t>(t)];
            const int w = ScaledSize(e.c, m_movieSize);
            if (board.c - used < w) {
                used = 0;
                break;
            }
            e.a = clamp16(board.a + used);
            e.b = clamp16(qint64(board.b) - ScaledSize(e.d, m_movieSize));
            used += w;
            ++t;
        }
    }
}

bool clsRegalCtrl::EnlargeMovies()
{
    if (m_movieSize > 200)
        return false;
    m_movieSize += 5;
    return true;
}

bool clsRegalCtrl::ReduceMovies()
{
    if (m_movieSize < 60)
        return false;
    m_movieSize -= 5;
    return true;
}

// ---------------------------------------------------------------- shelf and title list

int clsRegalCtrl::AddMissingMovies(const QList<ListTitle>& titles, int innerWidth)
{
    QSet<QString> onShelf;
    for (int i = 1; i <= m_movieCount; ++i)
        onShelf.insert(m_movies[static_cast<size_t>(i)].lower);
    QSet<QString> seen = onShelf;
    int needed = 0;
    for (const ListTitle& t : titles) {
        const QString lower = t.name.toLower();
        if (!seen.contains(lower)) {
            seen.insert(lower);
            ++needed;
        }
    }
    requireMovieRoom(needed);

    qint64 x = 0, y = 0;
    int added = 0;
    for (const ListTitle& t : titles) {
        const QString lower = t.name.toLower();
        if (onShelf.contains(lower))
            continue;
        onShelf.insert(lower);
        AddSortedMovie(t.name, t.format, clamp16(x), clamp16(y), 0, 0);
        ++added;
        // The row wraps after a title that has passed the right edge.
        const int w = GetDefaultMovieWidth(t.format);
        if (x + w <= innerWidth) {
            x += w;
        } else {
            x = 0;
            y += m_movieSize;
        }
    }
    return added;
}

int clsRegalCtrl::RemoveSurplusMovies(const QStringList& listNames)
{
    QSet<QString> inList;
    for (const QString& name : listNames)
        inList.insert(name.toLower());
    const int before = m_movieCount;
    int w = 1;
    for (int r = 1; r <= m_movieCount; ++r) {
        if (!inList.contains(m_movies[static_cast<size_t>(r)].lower))
            continue;
        if (w != r)
            m_movies[static_cast<size_t>(w)] = m_movies[static_cast<size_t>(r)];
        ++w;
    }
    m_movieCount = w - 1;
    return before - m_movieCount;
}

// ---------------------------------------------------------------- the shelf file

bool clsRegalCtrl::Load(const QString& path)
{
    try {
        load(path);
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

void clsRegalCtrl::load(const QString& path)
{
    // Read whole first, so that a damaged file changes nothing.
    QString bgPath;
    int movieCount = 0, brettCount = 0, movieSize = 0;
    std::vector<Entry> movies, bretter;
    SequentialFile file(path, SequentialFile::Mode::Input);
    try {
        bgPath = file.readLine();
        movieCount = Numbers::toInt16(file.readNumber());
        brettCount = Numbers::toInt16(file.readNumber());
        movieSize = Numbers::toInt16(file.readNumber());
        if (movieCount < 0 || movieCount > kMaxMovies || brettCount < 0 || brettCount > kMaxBretter)
            throw RuntimeError(ErrorKind::Capacity,
                               QStringLiteral("%1 titles and %2 boards; a shelf holds 0 to %3 titles and 0 to %4 boards")
                                   .arg(movieCount)
                                   .arg(brettCount)
                                   .arg(kMaxMovies)
                                   .arg(kMaxBretter));
        clsPathFunctions::ChangeIntoFullPathIfRelative(bgPath);
        movies.resize(static_cast<size_t>(movieCount));
        for (Entry& e : movies) {
            setName(e, file.readLine());
            readFour(file.readLine(), e.a, e.b, e.c, e.d);
        }
        bretter.resize(static_cast<size_t>(brettCount));
        for (Entry& e : bretter)
            readFour(file.readLine(), e.a, e.b, e.c, e.d);
    } catch (const RuntimeError& e) {
        throw file.atLine(e);
    }
    file.close();

    m_bgPath = bgPath;
    m_movieCount = movieCount;
    m_brettCount = brettCount;
    m_movieSize = movieSize;
    for (int i = 1; i <= movieCount; ++i)
        m_movies[static_cast<size_t>(i)] = std::move(movies[static_cast<size_t>(i) - 1]);
    for (int j = 1; j <= brettCount; ++j)
        m_bretter[static_cast<size_t>(j)] = bretter[static_cast<size_t>(j) - 1];
    m_ordered = false; // the file's order, whatever it is
}

void clsRegalCtrl::Save(const QString& path) const
{
    SequentialFile file(path, SequentialFile::Mode::Output);
    file.writeLine(oneLine(m_bgPath));
    file.writeNumber(m_movieCount);
    file.writeNumber(m_brettCount);
    file.writeNumber(m_movieSize);
    for (int i = 1; i <= m_movieCount; ++i) {
        const Entry& e = m_movies[static_cast<size_t>(i)];
        file.writeLine(oneLine(e.name));
        file.writeLine(numbersLine(e.a, e.b, e.c, e.d));
    }
    for (int j = 1; j <= m_brettCount; ++j) {
        const Entry& e = m_bretter[static_cast<size_t>(j)];
        file.writeLine(numbersLine(e.a, e.b, e.c, e.d));
    }
    file.close();
}

QString clsRegalCtrl::ShelfPathOfList(const QString& listPath)
{
    return ProgramFiles::shelfOf(listPath);
}

QString clsRegalCtrl::DefaultBGpath() { return ProgramFiles::shelfBackground(); }

void clsRegalCtrl::WriteNewShelfFile(const QString& path)
{
    SequentialFile file(path, SequentialFile::Mode::Output);
    for (const char* line : {"shelf.gif", "0", "0", "100"})
        file.writeLine(QString::fromLatin1(line));
    file.close();
}

void clsRegalCtrl::CopyShelfFile(const QString& sourcePath, const QString& targetPath)
{
    const QString source = Paths::resolve(sourcePath);
    if (!QFileInfo::exists(source)) {
        WriteNewShelfFile(targetPath);
        return;
    }
    // The bytes as they are: read through the model, the background's
    // relative path would become a full one, the numbers would be written
    // anew, and a damaged shelf would silently become an empty one.
    QFile in(source);
    QByteArray bytes;
    if (in.open(QIODevice::ReadOnly))
        bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("cannot read %1: %2").arg(source, in.errorString()));
    const QString target = Paths::resolve(targetPath);
    QDir().mkpath(QFileInfo(target).absolutePath());
    WholeFileWriter::writeFile(target, bytes);
}
