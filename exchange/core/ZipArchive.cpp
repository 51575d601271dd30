#include "exchange/core/ZipArchive.h"

#include "platform/RuntimeError.h"
#include "platform/WholeFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <libdeflate.h>
#include <zip.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

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
    if (mode == Mode::Read) {
        m_zip = zip_open(QFile::encodeName(path).constData(), ZIP_CHECKCONS | ZIP_RDONLY, &code);
    } else {
        openInMemory(code);
    }
    if (!m_zip) {
        const ErrorKind kind = code == ZIP_ER_NOENT ? ErrorKind::FileNotFound : ErrorKind::InputOutput;
        throw RuntimeError(kind, QStringLiteral("%1: %2").arg(path, zipErrorText(code)));
    }
}

// An update is built in memory and saved by the program's one whole-file
// writer, which notices a full disk; libzip's own temporary file is not used.
void ZipArchive::openInMemory(int& code)
{
    QFile file(m_path);
    if (!QFileInfo(m_path).isFile()) {
        code = ZIP_ER_NOENT;
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        code = ZIP_ER_OPEN;
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        code = ZIP_ER_READ;
        return;
    }
    // The source owns its copy: libzip frees the old buffer once the new
    // archive is written into it, whatever it was told.
    void* data = bytes.isEmpty() ? nullptr : std::malloc(static_cast<size_t>(bytes.size()));
    if (!bytes.isEmpty() && !data) {
        code = ZIP_ER_MEMORY;
        return;
    }
    if (data)
        std::memcpy(data, bytes.constData(), static_cast<size_t>(bytes.size()));
    zip_error_t error;
    zip_error_init(&error);
    m_source = zip_source_buffer_create(data, static_cast<zip_uint64_t>(bytes.size()), 1, &error);
    if (m_source)
        m_zip = zip_open_from_source(m_source, ZIP_CHECKCONS, &error);
    else
        std::free(data);
    code = zip_error_code_zip(&error);
    zip_error_fini(&error);
    if (m_zip) {
        // Kept beyond zip_close(), which leaves the new archive in it.
        zip_source_keep(m_source);
    } else if (m_source) {
        zip_source_free(m_source);
        m_source = nullptr;
    }
}

ZipArchive::~ZipArchive()
{
    if (m_zip)
        zip_discard(m_zip);
    if (m_source)
        zip_source_free(m_source);
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

    if (std::optional<QByteArray> whole = readWhole(static_cast<quint64>(index), st))
        return std::move(*whole);

    zip_file_t* file = zip_fopen_index(m_zip, static_cast<zip_uint64_t>(index), 0);
    if (!file)
        fail(name);
    // Inflated straight into the result, sized by the declared size; the
    // declared size may lie, so the inflated bytes themselves are counted.
    QByteArray data;
    qsizetype filled = 0;
    data.resize(static_cast<qsizetype>((st.valid & ZIP_STAT_SIZE) ? st.size : 0) + 1);
    for (;;) {
        if (filled == data.size())
            data.resize(std::min<qint64>(limit + 1, static_cast<qint64>(data.size()) * 2 + 65536));
        const zip_int64_t n = zip_fread(file, data.data() + filled, static_cast<zip_uint64_t>(data.size() - filled));
        if (n < 0 || filled + n > limit) {
            zip_fclose(file);
            if (n < 0)
                fail(name);
            throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1: part %2 is too large").arg(m_path, name));
        }
        if (n == 0)
            break;
        filled += static_cast<qsizetype>(n);
    }
    data.truncate(filled);
    if (zip_fclose(file) != 0)
        fail(name);
    return data;
}

// A deflated part whose sizes and checksum the container states is inflated
// in one call. Whatever does not match them exactly (a size that lies, a
// damaged stream, a wrong checksum) is left to the reading by libzip below,
// which gives the error.
std::optional<QByteArray> ZipArchive::readWhole(quint64 index, const zip_stat_t& st) const
{
    constexpr zip_uint64_t needed = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC |
                                    ZIP_STAT_ENCRYPTION_METHOD;
    if ((st.valid & needed) != needed || st.comp_method != ZIP_CM_DEFLATE ||
        st.encryption_method != ZIP_EM_NONE || st.size == 0 || st.comp_size == 0)
        return std::nullopt;
    // Deflate never grows data by much: a larger stated size is no reason to allocate it.
    if (st.comp_size > st.size + st.size / 64 + 1024)
        return std::nullopt;
    zip_file_t* file = zip_fopen_index(m_zip, index, ZIP_FL_COMPRESSED);
    if (!file)
        return std::nullopt;
    QByteArray packed(static_cast<qsizetype>(st.comp_size), Qt::Uninitialized);
    const zip_int64_t got = zip_fread(file, packed.data(), st.comp_size);
    zip_fclose(file);
    if (got != static_cast<zip_int64_t>(st.comp_size))
        return std::nullopt;
    libdeflate_decompressor* inflater = libdeflate_alloc_decompressor();
    if (!inflater)
        return std::nullopt;
    QByteArray data(static_cast<qsizetype>(st.size), Qt::Uninitialized);
    size_t inflated = 0;
    const libdeflate_result result = libdeflate_deflate_decompress(
        inflater, packed.constData(), static_cast<size_t>(packed.size()), data.data(), static_cast<size_t>(data.size()),
        &inflated);
    libdeflate_free_decompressor(inflater);
    if (result != LIBDEFLATE_SUCCESS || inflated != static_cast<size_t>(data.size()) ||
        libdeflate_crc32(0, data.constData(), static_cast<size_t>(data.size())) != st.crc)
        return std::nullopt;
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
    if (!m_source)
        throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1: opened for reading only").arg(m_path));
    if (zip_close(m_zip) != 0)
        fail(QStringLiteral("cannot save"));
    m_zip = nullptr;
    m_kept.clear();
    const QByteArray bytes = takeSourceBytes();
    zip_source_free(m_source);
    m_source = nullptr;
    WholeFileWriter::writeFile(m_path, bytes);
}

QByteArray ZipArchive::takeSourceBytes()
{
    const auto sourceFailed = [this] {
        zip_error_t* error = zip_source_error(m_source);
        return RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1: cannot save: %2")
                                                        .arg(m_path, QString::fromUtf8(zip_error_strerror(error))));
    };
    if (zip_source_open(m_source) != 0)
        throw sourceFailed();
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const zip_int64_t n = zip_source_read(m_source, buffer, sizeof buffer);
        if (n < 0) {
            const RuntimeError error = sourceFailed();
            zip_source_close(m_source);
            throw error;
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<qsizetype>(n));
    }
    zip_source_close(m_source);
    return bytes;
}
