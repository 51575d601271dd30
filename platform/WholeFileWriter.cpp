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

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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
int createTemporary(const QString& target, QString& name)
{
    struct stat old{};
    const bool hadOld = ::stat(QFile::encodeName(target).constData(), &old) == 0 && S_ISREG(old.st_mode);
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + u'.';
        for (int i = 0; i < 6; ++i)
            name += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))]);
        const int fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (hadOld)
                ::fchmod(fd, old.st_mode & 07777);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
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
    // A link is followed, as the synced writer does, rather than replaced.
    const QFileInfo info(path);
    m_target = info.isSymLink() ? info.symLinkTarget() : path;
    const int fd = createTemporary(m_target, m_temporary);
    if (fd < 0)
        throw writeError(m_path, nullptr, errno);
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        const int failure = errno;
        ::close(fd);
        ::unlink(QFile::encodeName(m_temporary).constData());
        throw writeError(m_path, file.get(), failure);
    }
    m_file = std::move(file);
}

WholeFileWriter::~WholeFileWriter() { discard(); }

void WholeFileWriter::discard()
{
    if (!m_file)
        return;
    if (auto* save = dynamic_cast<QSaveFile*>(m_file.get()))
        save->cancelWriting();
    m_file.reset();
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
    if (!m_file)
        throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1 is not open for writing").arg(m_path));
    errno = 0;
    if (m_file->write(data, size) != size)
        fail(errno);
}

void WholeFileWriter::restrictToOwner()
{
    if (!m_file)
        throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1 is not open for writing").arg(m_path));
    if (::fchmod(m_file->handle(), S_IRUSR | S_IWUSR) != 0)
        fail(errno);
}

void WholeFileWriter::commit()
{
    if (!m_file)
        throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1 is not open for writing").arg(m_path));
    errno = 0;
    // QSaveFile::commit() does not notice a last flush that wrote only part
    // of the data: the file would be replaced by its beginning.
    if (!m_file->flush() || m_file->error() != QFileDevice::NoError)
        fail(errno);
    if (auto* save = dynamic_cast<QSaveFile*>(m_file.get())) {
        if (!save->commit())
            fail(errno);
        m_file.reset();
        return;
    }
    m_file->close();
    if (m_file->error() != QFileDevice::NoError)
        fail(errno);
    if (std::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_target).constData()) != 0)
        fail(errno);
    m_temporary.clear();
    m_file.reset();
}

void WholeFileWriter::writeFile(const QString& path, const QByteArray& bytes, Durability durability)
{
    WholeFileWriter writer(path, durability);
    writer.write(bytes);
    writer.commit();
}

RuntimeError WholeFileWriter::writeError(const QString& path, const QFileDevice* device, int savedErrno)
{
    QString reason;
    if (outOfRoom(device, savedErrno, path))
        reason = QStringLiteral("disk full or file too large");
    else if (device && device->error() != QFileDevice::NoError)
        reason = device->errorString();
    else if (savedErrno != 0)
        reason = errnoText(savedErrno);
    else
        reason = QStringLiteral("the file could not be replaced");
    return RuntimeError(ErrorKind::InputOutput, QStringLiteral("cannot write %1: %2").arg(path, reason));
}
