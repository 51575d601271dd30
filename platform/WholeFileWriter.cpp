#include "platform/WholeFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As the system follows them when it opens a file.
constexpr int kMaxLinks = 40;

// The disk (or the user's quota) is full, or the file reached the size the
// process may write. Qt reports a short write without a reason ("Unknown
// error"), so errno, the size limit and the free space are asked as well.
bool outOfRoom(const QFileDevice* device, int savedErrno, const QString& path)
{
    if (savedErrno == ENOSPC || savedErrno == EFBIG || savedErrno == EDQUOT)
        return true;
    if (device && device->error() == QFileDevice::ResourceError)
        return true;
    rlimit limit{};
    if (device && device->isOpen() && getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        static_cast<rlim_t>(std::max<qint64>(device->size(), 0)) >= limit.rlim_cur)
        return true;
    const QStorageInfo storage(QFileInfo(path).absolutePath());
    return storage.isValid() && storage.bytesAvailable() == 0;
}

QString errnoText(int savedErrno) { return QString::fromLocal8Bit(std::strerror(savedErrno)); }

// A name beside target that no file has yet, created empty with the old
// file's permissions (or the usual ones for a new file).
int createTemporary(const QString& target, std::optional<mode_t> mode, QString& name)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + u'.';
        for (int i = 0; i < 6; ++i)
            name += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))]);
        const int fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (mode)
                ::fchmod(fd, *mode);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

// The series' spare emptied for the next file, when it is a file of its own
// in the same folder: a file with other names must keep its bytes.
int reuseSpare(const QString& spare, const QString& target, mode_t mode)
{
    if (spare.isEmpty() || QFileInfo(spare).absolutePath() != QFileInfo(target).absolutePath())
        return -1;
    const int fd = ::open(QFile::encodeName(spare).constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink != 1 || st.st_uid != ::geteuid() ||
        ::ftruncate(fd, 0) != 0 || ::fchmod(fd, mode) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

WholeFileWriter::WholeFileWriter(const QString& path, Durability durability)
    : m_path(path), m_durability(durability)
{
    errno = 0;
    if (durability == Durability::Synced) {
        auto save = std::make_unique<QSaveFile>(path);
        if (!save->open(QIODevice::WriteOnly))
            throw writeError(m_path, save.get(), errno);
        m_file = std::move(save);
        return;
    }
    openTemporary();
}

WholeFileWriter::WholeFileWriter(const QString& path, Series& series)
    : m_path(path), m_durability(Durability::Unsynced), m_series(&series)
{
    errno = 0;
    openTemporary();
}

void WholeFileWriter::openTemporary()
{
    // Links are followed to their end, as the synced writer does: the file
    // is replaced, never a link on the way.
    m_target = m_path;
    struct stat old{};
    bool hadOld = ::lstat(QFile::encodeName(m_target).constData(), &old) == 0;
    for (int links = 0; hadOld && S_ISLNK(old.st_mode); ++links) {
        if (links == kMaxLinks)
            throw writeError(m_path, nullptr, ELOOP);
        m_target = QFileInfo(m_target).symLinkTarget();
        hadOld = ::lstat(QFile::encodeName(m_target).constData(), &old) == 0;
    }
    hadOld = hadOld && S_ISREG(old.st_mode);
    // Only the folder must be writable to put a new file in place; a file
    // that the user could not write is refused, as the synced writer does.
    if (hadOld && ::access(QFile::encodeName(m_target).constData(), W_OK) != 0)
        throw writeError(m_path, nullptr, errno);
    const std::optional<mode_t> mode = hadOld ? std::optional<mode_t>(old.st_mode & 07777) : std::nullopt;
    if (m_series && hadOld) {
        m_exchange = true;
        const QString spare = std::exchange(m_series->m_spare, QString());
        m_fd = reuseSpare(spare, m_target, *mode);
        if (m_fd >= 0) {
            m_temporary = spare;
            return;
        }
        if (!spare.isEmpty())
            ::unlink(QFile::encodeName(spare).constData());
    }
    m_fd = createTemporary(m_target, mode, m_temporary);
    if (m_fd < 0)
        throw writeError(m_path, nullptr, errno);
}

WholeFileWriter::~WholeFileWriter() { discard(); }

void WholeFileWriter::discard()
{
    if (auto* save = dynamic_cast<QSaveFile*>(m_file.get()))
        save->cancelWriting();
    m_file.reset();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.isEmpty())
        ::unlink(QFile::encodeName(m_temporary).constData());
    m_temporary.clear();
}

void WholeFileWriter::fail(int savedErrno)
{
    // The reason is taken before the discard forgets it.
    const RuntimeError error = writeError(m_path, m_file.get(), savedErrno);
    discard();
    throw error;
}

void WholeFileWriter::write(const char* data, qint64 size)
{
    if (!isOpen())
        throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1 is not open for writing").arg(m_path));
    errno = 0;
    if (m_file) {
        if (m_file->write(data, size) != size)
            fail(errno);
        return;
    }
    while (size > 0) {
        const ssize_t n = ::write(m_fd, data, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(n == 0 ? ENOSPC : errno); // nothing taken: no room
        data += n;
        size -= n;
    }
}

void WholeFileWriter::restrictToOwner()
{
    if (!isOpen())
        throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1 is not open for writing").arg(m_path));
    if (::fchmod(m_file ? m_file->handle() : m_fd, S_IRUSR | S_IWUSR) != 0)
        fail(errno);
}

void WholeFileWriter::commit()
{
    if (!isOpen())
        throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1 is not open for writing").arg(m_path));
    errno = 0;
    if (auto* save = dynamic_cast<QSaveFile*>(m_file.get())) {
        // QSaveFile::commit() does not notice a last flush that wrote only
        // part of the data: the file would be replaced by its beginning.
        if (!save->flush() || save->error() != QFileDevice::NoError)
            fail(errno);
        if (!save->commit())
            fail(errno);
        m_file.reset();
        return;
    }
    // A file system that writes late reports its failure here.
    const int fd = std::exchange(m_fd, -1);
    if (::close(fd) != 0)
        fail(errno);
    const QByteArray from = QFile::encodeName(m_temporary);
    const QByteArray to = QFile::encodeName(m_target);
    if (m_exchange && ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0) {
        m_series->m_spare = std::exchange(m_temporary, QString());
        return;
    }
    // A file system that cannot exchange, or an old file gone meanwhile.
    if (std::rename(from.constData(), to.constData()) != 0)
        fail(errno);
    m_temporary.clear();
}

void WholeFileWriter::writeFile(const QString& path, const QByteArray& bytes, Durability durability)
{
    WholeFileWriter writer(path, durability);
    writer.write(bytes);
    writer.commit();
}

void WholeFileWriter::writeFile(const QString& path, const QByteArray& bytes, Series& series)
{
    WholeFileWriter writer(path, series);
    writer.write(bytes);
    writer.commit();
}

WholeFileWriter::Series::~Series()
{
    if (!m_spare.isEmpty())
        ::unlink(QFile::encodeName(m_spare).constData());
}

RuntimeError WholeFileWriter::writeError(const QString& path, const QFileDevice* device, int savedErrno)
{
    QString reason;
    const QFileInfo file(path);
    if (outOfRoom(device, savedErrno, path))
        reason = QStringLiteral("disk full or file too large");
    else if (file.exists() && !file.isWritable())
        reason = QStringLiteral("the file is read-only");
    else if (device && device->error() != QFileDevice::NoError)
        reason = device->errorString();
    else if (savedErrno != 0)
        reason = errnoText(savedErrno);
    else
        reason = QStringLiteral("the file could not be replaced");
    return RuntimeError(ErrorKind::InputOutput, QStringLiteral("cannot write %1: %2").arg(path, reason));
}
