#pragma once

#include "data/StatusCallback.h"
#include "data/clsDatentraeger.h"
#include "data/clsImportOldList.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class SequentialFile;

// One collection: titles 1 to count (at most 9999), the list file reader and
// writer, and the insert in order of film name.
class clsDatentraegerList {
public:
    static constexpr int kMaxTitles = 9999;

    // Title field numbers, shared by every reader and writer of a list.
    enum Field {
        FieldFilmname = 1,
        FieldBewertung,
        FieldGenre,
        FieldLandJahr,
        FieldFsk,
        FieldLaenge,
        FieldKaufpreis,
        FieldSonstiges,
        FieldSchauspieler1,
        FieldSchauspieler2,
        FieldSchauspieler3,
        FieldSchauspieler4,
        FieldSchauspieler5,
        FieldRegie,
        FieldBildpfad,
        FieldTrailerpfad,
        FieldSchauspielerAll,
        FieldZusatztextPfad,
        FieldFormat,
    };

    clsDatentraegerList();
    ~clsDatentraegerList();
    clsDatentraegerList(const clsDatentraegerList&) = delete;
    clsDatentraegerList& operator=(const clsDatentraegerList&) = delete;

    // Slots 0 to 9999 can be read and written (slots above count keep their
    // old contents); any other index is an index error.
    QString getDataString(int index, int field) const;
    // Conversion or overflow error for a number field that does not convert;
    // the field then keeps its value.
    void setDVDString(int index, const QString& text, int field);
    int getListSize() const { return m_count; }
    // Position of the first title, in list order, whose film name equals name
    // (exact) or begins with it, both turned to lower case (not exact); 0 when
    // none does. An empty name begins every film name.
    int indexOfFilmname(const QString& name, bool exact) const;
    int getListVersion() const { return m_version; }
    void setDVD(int index, const clsDatentraeger& dvd);
    // A copy of slot index.
    clsDatentraeger getDVD(int index) const;
    // Title index (1 to count) read in place; index error outside.
    const clsDatentraeger& titleAt(int index) const;
    // Capacity error, list unchanged, when 9999 titles are held.
    void AddDVD(const clsDatentraeger& dvd);
    void AddDVD(clsDatentraeger&& dvd);
    // Index error for an index outside 1 to count.
    void RemoveDVD(int index);
    // Inserts before the first title whose film name does not sort before the
    // new one (case-insensitive, by the locale's collation).
    void AddSortedDVD(const clsDatentraeger& dvd);
    // The same order as AddSortedDVD of each record in turn (a record goes
    // before the equal names already there, so equal names end up in reverse
    // order), in one sort instead of a shift per record. Capacity error, list
    // unchanged, when they do not all fit.
    void AddSortedDVDs(std::vector<clsDatentraeger> dvds);
    // Writes the list file through a safe rewrite: on failure the previous
    // file stays and the error is thrown.
    void Save(const QString& path) const;
    // Replaces the list by the file's titles; converts the older layout first.
    // An error met in the file names the file and the line, as in
    // "lists/a.adl, line 17: 'x' is not a number".
    void Load(const QString& path);
    void ClearList();
    // Whether the titles are those of the list file at path as this list last
    // read or wrote it, and the file is still that file.
    bool isFileUnchanged(const QString& path) const;
    // Which file, and which version of it, a list was read from or written to.
    struct FileStamp {
        QString path;
        unsigned long long inode = 0;
        long long size = 0;
        long long modifiedNs = 0;
        bool operator==(const FileStamp&) const = default;
    };
    static std::optional<FileStamp> stampOf(const QString& path);
    // That of the last load or save; none once the titles changed.
    const std::optional<FileStamp>& fileStamp() const { return m_fileStamp; }
    void ShiftDVDsDown(int from, int to);
    void ShiftDVDsUp(int from, int to);

    // Receives the conversion's status message.
    void setStatusCallback(StatusCallback callback);

private:
    struct Slot {
        clsDatentraeger dvd;
        mutable std::optional<QCollatorSortKey> key;
    };

    Slot& slot(int index);
    const clsDatentraeger& readSlot(int index) const;
    const QCollatorSortKey& key(int index) const;
    QCollatorSortKey keyOf(const QString& filmname) const;
    bool checkOrder() const;
    int insertPosition(const QCollatorSortKey& newKey);
    void shiftUp(int from, int to);
    void shiftDown(int from, int to);
    void nameChanged(int index);
    void load(const QString& path, bool mayConvert);
    void readTitles(SequentialFile& file, const QString& head);

    std::vector<std::unique_ptr<Slot>> m_slots;
    // Set by a load or save; any change of the titles drops it.
    mutable std::optional<FileStamp> m_fileStamp;
    int m_count = 0;
    int m_version = 0;
    QCollator m_collator;
    // Slots 1..count are known to be in film-name order, so the insert can search by halves.
    bool m_ordered = true;
    clsImportOldList m_converter;
};
