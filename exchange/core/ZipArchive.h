#pragma once

#include <QByteArray>
#include <QString>
#include <list>
#include <optional>

struct zip;
struct zip_source;
struct zip_stat;

// A zip container opened for reading, or for updating in place. Updates are
// collected and written by commit(): the new container is made in memory and
// replaces the file whole, so a failed commit leaves the file as it was.
// Every failure is a RuntimeError.
class ZipArchive {
public:
    enum class Mode { Read, Update };

    ZipArchive(const QString& path, Mode mode);
    // Drops uncommitted updates.
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Entry names are compared ignoring case, as the package format asks.
    bool contains(const QString& name) const;
    // The inflated entry; an entry that holds, or inflates to, more than
    // limit bytes is an error before or while it is inflated.
    QByteArray read(const QString& name, qint64 limit) const;

    void replace(const QString& name, const QByteArray& data);
    void remove(const QString& name);
    void commit();

private:
    std::optional<QByteArray> readWhole(quint64 index, const zip_stat& st) const;
    void openInMemory(int& code);
    QByteArray takeSourceBytes();
    qint64 indexOf(const QString& name) const;
    [[noreturn]] void fail(const QString& what) const;

    QString m_path;
    zip* m_zip = nullptr;
    // Update: the file's bytes in memory, which receive the new archive.
    zip_source* m_source = nullptr;
    // Replaced data must live until commit().
    std::list<QByteArray> m_kept;
};
