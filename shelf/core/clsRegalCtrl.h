#pragma once

#include <QCollator>
#include <QCollatorSortKey>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

// One shelf: the titles of a collection as spines at free positions, the
// boards they stand on, the background picture and one display size for all
// spines, with the shelf file "shelves/<list name>.arf" that belongs to a list.
// A title on the shelf is only its film name; every look-up by name ignores
// case. Titles are kept 1 to MovieCount, boards 1 to Brettcount; slots above
// the counts keep their old contents.
//
// Indices outside the table (titles 0 to 9999, boards 0 to 50) read as empty
// and write nothing. Numbers are computed in int and clamped to the signed
// 16-bit range when they are stored. Adding beyond 9999 titles or 50 boards is
// a capacity error that leaves the shelf as it was.
class clsRegalCtrl {
public:
    static constexpr int kMaxMovies = 9999;
    static constexpr int kMaxBretter = 50;

    // Value numbers of a title.
    enum MovieValue { MovieName = 1, MovieLeft, MovieTop, MovieWidth, MovieHeight, MovieMark };
    // Value numbers of a board.
    enum BrettValue { BrettLeft = 1, BrettTop, BrettWidth, BrettMark };

    // A title of the collection, as far as the shelf cares.
    struct ListTitle {
        QString name;
        QString format;
    };

    clsRegalCtrl();

    QString BGpath() const { return m_bgPath; }
    // A path typed by the user may be relative or carry "\": it is kept as a full path.
    void setBGpath(const QString& path);
    int MovieCount() const { return m_movieCount; }
    int Brettcount() const { return m_brettCount; }
    int MovieSize() const { return m_movieSize; }
    void setMovieSize(int percent);

    // Reads a shelf file; false when it is missing or damaged, and the shelf
    // then keeps what it held before.
    bool Load(const QString& path);
    // The same, throwing a RuntimeError that names the file and the cause.
    void load(const QString& path);
    // Writes the shelf file through a safe rewrite: on failure the previous
    // file stays and an input/output error is thrown.
    void Save(const QString& path) const;

    // Appends a title without looking at the order, with the default size.
    void AddMovie(const QString& name, int top, int left);
    // Inserts before the first title whose name does not sort before name
    // (ignoring case); a width or height of 0 or less takes the format's default.
    void AddSortedMovie(const QString& name, const QString& format, int left, int top, int width, int height);
    // Titles 1 to MovieCount only; any other index removes nothing.
    void RemoveDVD(int index);
    // Removes the first title of that name ignoring case, if any.
    void RemoveMovieByTitle(const QString& name);
    void AddBrett(int top, int left, int width);
    // Boards 1 to Brettcount only.
    void RemoveBrett(int index);

    // Value 1 of a title is its name; every other value takes the text's
    // number rounded down (conversion error, nothing stored, for a text that
    // is no number). A value number the entry has not changes nothing.
    void SetMovieValue(int index, int valueNo, const QString& text);
    void SetBrettValue(int index, int valueNo, const QString& text);
    // Numbers as decimal text; "" for a value number the entry has not.
    QString GetMovieValue(int index, int valueNo) const;
    QString GetBrettValue(int index, int valueNo) const;
    // The same values as numbers (0 for the name and for a missing value).
    int GetMovieNumber(int index, int valueNo) const;
    void SetMovieNumber(int index, int valueNo, int value);
    int GetBrettNumber(int index, int valueNo) const;
    void SetBrettNumber(int index, int valueNo, int value);

    bool IsFilmInRegal(const QString& name) const;
    // The first title of that name ignoring case; 0 when there is none.
    int IndexOfMovie(const QString& name) const;
    void ClearAllMarks();

    // Changes whenever anything that the shelf file holds changes (marks do
    // not count), so that unsaved changes can be told from a shelf as it was
    // loaded or saved.
    quint64 Fingerprint() const;

    // Spines are drawn at their Left and Top with their size scaled by MovieSize percent.
    static int ScaledSize(int base, int percent);
    QRect MovieRect(int index) const;

    // Marking. The rectangle counts its edges as inside; a board is brettThickness high.
    void MarkAll();
    void UnmarkAll();
    // Marks every object wholly inside the rectangle; returns how many lie inside.
    int MarkObjectsInSelection(int left, int top, int width, int height, int brettThickness);

    // Moves. The marked object nearest the corner (originLeft, originTop) of
    // the selection lands on (x, y); the others keep their distance to it.
    void MoveMarkedBlock(int x, int y, int originLeft, int originTop);
    // Marked titles one after another from (x, y), wrapping at innerWidth;
    // marked boards below them, one row pitch apart.
    void MoveMarkedInRow(int x, int y, int innerWidth, int brettThickness);

    // Editing the marked objects.
    void RemoveMarkedMovies();
    void RemoveMarkedBretts();
    // Each marked board grows by 1 unless its right end has passed
    // innerWidth; returns how many could not grow.
    int LengthenMarkedBretts(int innerWidth);
    // Each marked board shrinks by 1 unless narrower than 10; returns how many could not shrink.
    int ShortenMarkedBretts();
    // Marked spines widen up to 50 and narrow down to 3.
    void WidenMarkedMovies();
    void NarrowMarkedMovies();
    void LayDownMarkedMovies();

    // Every title in shelf order onto the boards in board order, standing on
    // each board from its left end; titles that find no room keep their places.
    void PutMoviesOnBretter();
    // Display size in steps of 5 within 55 to 205; false at the limit.
    bool EnlargeMovies();
    bool ReduceMovies();

    // Adds every title of the list that the shelf lacks (ignoring case, once
    // per name) in name order, laid out in rows from (0, 0) that wrap at
    // innerWidth. Capacity error, shelf unchanged, when they do not all fit.
    // Returns how many were added.
    int AddMissingMovies(const QList<ListTitle>& titles, int innerWidth);
    // Removes every title whose name is none of listNames (ignoring case);
    // returns how many were removed.
    int RemoveSurplusMovies(const QStringList& listNames);

    // The shelf file of a list file: "shelves/<list name>.arf" in the program folder.
    static QString ShelfPathOfList(const QString& listPath);
    // The default background "shelf.gif" of the program folder.
    static QString DefaultBGpath();
    // A new, empty shelf file; input/output error when it cannot be written.
    static void WriteNewShelfFile(const QString& path);
    // The shelf of a copied list: the source file's bytes, damaged or not; a
    // missing source gives the copy a new, empty shelf. Input/output error
    // when the source cannot be read or the target cannot be written.
    static void CopyShelfFile(const QString& sourcePath, const QString& targetPath);

private:
    struct Entry {
        QString name;
        std::int16_t a = 0; // Left
        std::int16_t b = 0; // Top
        std::uint8_t mark = 0;
        std::int16_t c = 0; // Width
        std::int16_t d = 0; // Height of a title; reserved for a board
        // Titles only: the name as compared and as sorted.
        QString lower;
        mutable std::optional<QCollatorSortKey> key;
    };

    static int GetDefaultMovieWidth(const QString& format);
    static int GetDefaultMovieHeight(const QString& format);
    void ShiftMoviesDown(int index, int count);
    void ShiftMoviesUp(int index, int count);
    void ShiftBrettsDown(int index, int count);

    Entry* movie(int index);
    const Entry* movie(int index) const;
    Entry* brett(int index);
    const Entry* brett(int index) const;
    void setName(Entry& e, const QString& name);
    const QCollatorSortKey& keyOf(int index) const;
    int insertPosition(const QCollatorSortKey& key);
    void requireMovieRoom(int more) const;

    QString m_bgPath;
    int m_movieSize = 0;
    int m_movieCount = 0;
    int m_brettCount = 0;
    std::vector<Entry> m_movies;  // 0 to kMaxMovies
    std::vector<Entry> m_bretter; // 0 to kMaxBretter
    QCollator m_collator;
    // Titles 1 to MovieCount are known to be in name order, so an insert can search by halves.
    bool m_ordered = true;
};
