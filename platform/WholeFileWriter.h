#pragma once

#include "platform/RuntimeError.h"

#include <QByteArray>
#include <QString>
#include <memory>

class QFileDevice;

// Replaces a whole file: the new bytes go into a temporary file beside it,
// which takes the file's place only at commit(). A path through symbolic
// links names the file at their end, which is replaced; the links stay. A write that fails, or a
// writer dropped before commit(), leaves the old file as it was. Every
// failure is an input/output error that names the file and the cause; a
// full disk (or a file past the size the process may write) says "disk full
// or file too large".
class WholeFileWriter {
public:
    enum class Durability {
        // On the disk before it replaces the old file.
        Synced,
        // Renamed into place without waiting for the disk: for output the
        // program can make again at any time (web pages).
        Unsynced,
    };

    // Unsynced files written one after another into one folder (the pages
    // of a web site): the file that each one replaces is kept, emptied, as
    // the next one's temporary file, so that the run does not make and
    // delete a file on the disk for every page. The last one kept is
    // deleted with the series.
    class Series {
    public:
        Series() = default;
        ~Series();
        Series(const Series&) = delete;
        Series& operator=(const Series&) = delete;

    private:
        friend class WholeFileWriter;
        QString m_spare;
    };

    // Input/output error when the temporary file cannot be made, or the
    // file is one that the user could not write.
    explicit WholeFileWriter(const QString& path, Durability durability = Durability::Synced);
    // Unsynced, in a series.
    WholeFileWriter(const QString& path, Series& series);
    ~WholeFileWriter();
    WholeFileWriter(const WholeFileWriter&) = delete;
    WholeFileWriter& operator=(const WholeFileWriter&) = delete;

    const QString& path() const { return m_path; }
    void write(const char* data, qint64 size);
    void write(const QByteArray& bytes) { write(bytes.constData(), bytes.size()); }
    // The new file is readable and writable by its owner alone.
    void restrictToOwner();
    // Flushes, checks, and puts the new file in place; the writer is done
    // either way.
    void commit();

    // The whole file in one go.
    static void writeFile(const QString& path, const QByteArray& bytes, Durability durability = Durability::Synced);
    static void writeFile(const QString& path, const QByteArray& bytes, Series& series);

    // The error for a failed write to device (null when there was none yet),
    // errno taken right after the failure.
    static RuntimeError writeError(const QString& path, const QFileDevice* device, int savedErrno);

private:
    void openTemporary();
    [[noreturn]] void fail(int savedErrno);
    void discard();
    bool isOpen() const { return m_file || m_fd >= 0; }

    QString m_path;
    Durability m_durability;
    std::unique_ptr<QFileDevice> m_file;
    // Unsynced only: written straight to the descriptor, the file that
    // becomes m_target.
    int m_fd = -1;
    QString m_temporary;
    QString m_target;
    Series* m_series = nullptr;
    // The old file changes places with the new one instead of being
    // deleted, and becomes the series' spare.
    bool m_exchange = false;
};
