#include "exchange/ZipArchive.h"

#include "platform/RuntimeError.h"

#include <QFile>
#include <zip.h>

namespace {

QString zipErrorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

} // namespace

ZipArchive::ZipArchive(const QString& path, Mode mode) : m_path(path)
{
    int code = 0;
    const int flags = ZIP_CHECKCONS | (mode == Mode::Read ? ZIP_RDONLY : 0);
    m_zip = zip_open(QFile::encodeName(path).constData(), flags, &code);
    if (!m_zip) {
        const ErrorKind kind = code == ZIP_ER_NOENT ? ErrorKind::FileNotFound : ErrorKind::InputOutput;
        throw RuntimeError(kind, QStringLiteral("%1: %2").arg(path, zipErrorText(code)));
    }
}

ZipArchive::~ZipArchive()
{
    if (m_zip)
        zip_discard(m_zip);
}

void ZipArchive::fail(const QString& what) const
{
    throw RuntimeError(ErrorKind::InputOutput,
                       QStringLiteral("%1: %2: %3").arg(m_path, what, QString::fromUtf8(zip_strerror(m_zip))));
}

qint64 ZipArchive::indexOf(const QString& name) const
{
    return zip_name_locate(m_zip, name.toUtf8().constData(), ZIP_FL_NOCASE);
}

bool ZipArchive::contains(const QString& name) const { return indexOf(name) >= 0; }

QByteArray ZipArchive::read(const QString& name, qint64 limit) const
{
    const qint64 index = indexOf(name);
    if (index < 0)
        throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1: no part %2").arg(m_path, name));
    zip_stat_t st;
    if (zip_stat_index(m_zip, static_cast<zip_uint64_t>(index), 0, &st) != 0)
        fail(name);
    if ((st.valid & ZIP_STAT_SIZE) && st.size > static_cast<zip_uint64_t>(limit))
        throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1: part %2 is too large").arg(m_path, name));

    zip_file_t* file = zip_fopen_index(m_zip, static_cast<zip_uint64_t>(index), 0);
    if (!file)
        fail(name);
    QByteArray data;
    if (st.valid & ZIP_STAT_SIZE)
        data.reserve(static_cast<qsizetype>(st.size));
    char buffer[65536];
    for (;;) {
        // The declared size may lie: the inflated bytes themselves are counted.
        const zip_int64_t n = zip_fread(file, buffer, sizeof buffer);
        if (n < 0 || data.size() + n > limit) {
            zip_fclose(file);
            if (n < 0)
                fail(name);
            throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1: part %2 is too large").arg(m_path, name));
        }
        if (n == 0)
            break;
        data.append(buffer, static_cast<qsizetype>(n));
    }
    if (zip_fclose(file) != 0)
        fail(name);
    return data;
}

void ZipArchive::replace(const QString& name, const QByteArray& data)
{
    const qint64 index = indexOf(name);
    if (index < 0)
        throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1: no part %2").arg(m_path, name));
    const QByteArray storedName = zip_get_name(m_zip, static_cast<zip_uint64_t>(index), ZIP_FL_ENC_RAW);
    const QByteArray& kept = m_kept.emplace_back(data);
    zip_source_t* source = zip_source_buffer(m_zip, kept.constData(), static_cast<zip_uint64_t>(kept.size()), 0);
    if (!source)
        fail(name);
    // Deleted and added anew rather than replaced: a replaced entry keeps its
    // old method and then ignores the compression level, and the slowest
    // level would dominate an export.
    if (zip_delete(m_zip, static_cast<zip_uint64_t>(index)) != 0) {
        zip_source_free(source);
        fail(name);
    }
    const zip_int64_t added = zip_file_add(m_zip, storedName.constData(), source, ZIP_FL_ENC_RAW);
    if (added < 0) {
        zip_source_free(source);
        fail(name);
    }
    if (zip_set_file_compression(m_zip, static_cast<zip_uint64_t>(added), ZIP_CM_DEFLATE, 1) != 0)
        fail(name);
}

void ZipArchive::remove(const QString& name)
{
    const qint64 index = indexOf(name);
    if (index >= 0 && zip_delete(m_zip, static_cast<zip_uint64_t>(index)) != 0)
        fail(name);
}

void ZipArchive::commit()
{
    if (zip_close(m_zip) != 0)
        fail(QStringLiteral("cannot save"));
    m_zip = nullptr;
    m_kept.clear();
}
