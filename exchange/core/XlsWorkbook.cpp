#include "exchange/core/XlsWorkbook.h"

#include "exchange/xlsreader/XlsAnswer.h"
#include "platform/RuntimeError.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

QString& readerOverride()
{
    static QString path;
    return path;
}

int& wallTimeMs()
{
    static int ms = XlsWorkbook::kWallTimeMs;
    return ms;
}

[[noreturn]] void damaged(const QString& path, const QString& what)
{
    throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("damaged workbook: %1: %2").arg(path, what));
}

// A reader that is not there is a broken installation, not a bad workbook.
RuntimeError readerNotStarted(const QProcess& reader)
{
    const QFileInfo program(reader.program());
    if (!program.exists())
        return RuntimeError(ErrorKind::InputOutput,
                            QStringLiteral("the .xls reader %1 is missing beside the program").arg(program.fileName()));
    return RuntimeError(ErrorKind::InputOutput, QStringLiteral("the .xls reader %1 cannot be started: %2")
                                                    .arg(program.filePath(), reader.errorString()));
}

// A reader that fails on its own account, whatever the workbook holds.
RuntimeError readerFailed(const QString& path, const QString& how)
{
    const QString reader = QFileInfo(XlsWorkbook::readerProgram()).fileName();
    return RuntimeError(ErrorKind::InputOutput,
                        QStringLiteral("the .xls reader %1 %2 reading %3").arg(reader, how, path));
}

// Reads the reader's answer front to back; every read is checked against
// what is left.
class AnswerReader {
public:
    explicit AnswerReader(const QByteArray& bytes) : m_bytes(bytes) {}

    qsizetype position() const { return m_at; }
    qsizetype left() const { return m_bytes.size() - m_at; }

    bool u8(quint8& v)
    {
        if (left() < 1)
            return false;
        v = static_cast<quint8>(m_bytes[m_at++]);
        return true;
    }

    bool u32(quint32& v)
    {
        if (left() < 4)
            return false;
        const auto* p = reinterpret_cast<const unsigned char*>(m_bytes.constData() + m_at);
        v = quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
        m_at += 4;
        return true;
    }

    bool skip(qsizetype n)
    {
        if (n < 0 || left() < n)
            return false;
        m_at += n;
        return true;
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_at = 0;
};

} // namespace

QString XlsWorkbook::readerProgram()
{
    if (!readerOverride().isEmpty())
        return readerOverride();
    return QCoreApplication::applicationDirPath() + QStringLiteral("/quordvd-xls");
}

void XlsWorkbook::setReaderProgram(const QString& path) { readerOverride() = path; }

void XlsWorkbook::setWallTime(int ms) { wallTimeMs() = ms > 0 ? ms : kWallTimeMs; }

XlsWorkbook::XlsWorkbook(const QString& path, const std::function<bool()>& goOn) : m_path(path)
{
    if (QFileInfo(path).size() > kMaxFileBytes)
        damaged(path, QStringLiteral("file too large"));
    m_answer = runReader(goOn);
    parse();
}

XlsWorkbook::~XlsWorkbook() = default;

QByteArray XlsWorkbook::runReader(const std::function<bool()>& goOn) const
{
    // One limit for the whole read: starting, answering and ending.
    const QDeadlineTimer deadline(wallTimeMs());
    QDeadlineTimer nextGoOn(kGoOnIntervalMs);
    // The time to wait for the reader before the next look: up to the
    // limit, or up to the next question.
    const auto waitMs = [&] {
        const QDeadlineTimer until = goOn ? std::min(deadline, nextGoOn) : deadline;
        return static_cast<int>(std::max<qint64>(1, until.remainingTime()));
    };

    QProcess reader;
    // Once the reader has closed its output, waiting for output returns at
    // once: then only its end is waited for.
    bool outputClosed = false;
    QObject::connect(&reader, &QProcess::readChannelFinished, [&] { outputClosed = true; });
    reader.setProgram(readerProgram());
    reader.setArguments({m_path});
    reader.setStandardInputFile(QProcess::nullDevice());
    reader.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    reader.start(QIODevice::ReadOnly);
    if (!reader.waitForStarted(static_cast<int>(std::max<qint64>(1, deadline.remainingTime()))))
        throw readerNotStarted(reader);

    QByteArray answer;
    const auto stop = [&](const QString& why) {
        reader.kill();
        reader.waitForFinished(-1);
        damaged(m_path, why);
    };
    while (true) {
        answer += reader.readAllStandardOutput();
        if (answer.size() > kMaxAnswerBytes)
            stop(QStringLiteral("the reader's answer is too long"));
        if (reader.state() == QProcess::NotRunning)
            break;
        if (deadline.hasExpired())
            stop(QStringLiteral("the reader took too long"));
        if (goOn && nextGoOn.hasExpired()) {
            if (!goOn()) {
                reader.kill();
                reader.waitForFinished(-1);
                throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1: reading cancelled").arg(m_path));
            }
            nextGoOn.setRemainingTime(kGoOnIntervalMs);
            continue; // the question took its time: the limit is looked at first
        }
        if (outputClosed)
            reader.waitForFinished(waitMs());
        else
            reader.waitForReadyRead(waitMs());
    }
    answer += reader.readAllStandardOutput();
    if (answer.size() > kMaxAnswerBytes)
        damaged(m_path, QStringLiteral("the reader's answer is too long"));

    if (reader.exitStatus() != QProcess::NormalExit)
        throw readerFailed(m_path, QStringLiteral("crashed"));
    switch (reader.exitCode()) {
    case xlsanswer::kExitOk: return answer;
    case xlsanswer::kExitPassword:
        throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1: protected by a password").arg(m_path));
    case xlsanswer::kExitUnreadable:
        throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("cannot read %1").arg(m_path));
    case xlsanswer::kExitDamaged: damaged(m_path, QStringLiteral("its sheets cannot be read"));
    default: throw readerFailed(m_path, QStringLiteral("failed (exit code %1)").arg(reader.exitCode()));
    }
}

// The answer is checked as hostile input: sizes, order and positions.
void XlsWorkbook::parse()
{
    const auto garbage = [this](const char* what) {
        damaged(m_path, QStringLiteral("the reader's answer is out of form: %1").arg(QLatin1String(what)));
    };
    AnswerReader in(m_answer);
    quint32 version = 0;
    if (!m_answer.startsWith(QByteArray(xlsanswer::kMagic, sizeof xlsanswer::kMagic)) ||
        !in.skip(sizeof xlsanswer::kMagic) || !in.u32(version) || version != xlsanswer::kVersion)
        garbage("no header");
    if (!in.u32(m_rows) || !in.u32(m_columns) || m_rows > xlsanswer::kMaxRows || m_columns > xlsanswer::kMaxColumns)
        garbage("sheet size");

    QStringDecoder utf8(QStringDecoder::Utf8);
    quint64 previous = 0; // row * 2^16 + column of the last cell
    while (true) {
        quint8 kind = 0;
        if (!in.u8(kind))
            garbage("truncated");
        if (kind == xlsanswer::kEnd)
            break;
        quint32 row = 0;
        quint32 column = 0;
        if (!in.u32(row) || !in.u32(column))
            garbage("truncated");
        if (row < 1 || row > m_rows || column < 1 || column > m_columns)
            garbage("cell outside the sheet");
        const quint64 place = quint64(row) << 16 | column;
        if (place <= previous)
            garbage("cells out of order");
        previous = place;

        Cell cell{};
        cell.row = row;
        cell.column = static_cast<quint16>(column);
        if (kind == xlsanswer::kNumber) {
            const qsizetype at = in.position();
            if (!in.skip(8))
                garbage("truncated");
            quint64 bits = 0;
            for (int i = 7; i >= 0; --i)
                bits = bits << 8 | static_cast<unsigned char>(m_answer[at + i]);
            std::memcpy(&cell.number, &bits, sizeof bits);
            if (!std::isfinite(cell.number))
                garbage("number");
        } else if (kind == xlsanswer::kText) {
            quint32 length = 0;
            if (!in.u32(length) || length == 0)
                garbage("text length");
            const qsizetype at = in.position();
            if (!in.skip(length))
                garbage("truncated");
            utf8.resetState();
            const QString decoded = utf8.decode(QByteArrayView(m_answer.constData() + at, length));
            if (utf8.hasError())
                garbage("text encoding");
            cell.text = true;
            cell.span = {static_cast<quint32>(at), length};
        } else {
            garbage("cell kind");
        }
        m_cells.push_back(cell);
    }
    if (in.left() != 0)
        garbage("bytes after the end");
}

WorkbookCell XlsWorkbook::cell(int row, int column)
{
    checkCellIndex(row, column);
    if (static_cast<quint32>(row) > m_rows || static_cast<quint32>(column) > m_columns)
        return WorkbookCell();
    const auto place = [](quint32 r, quint32 c) { return quint64(r) << 16 | c; };
    const quint64 wanted = place(static_cast<quint32>(row), static_cast<quint32>(column));
    const auto it = std::lower_bound(m_cells.begin(), m_cells.end(), wanted,
                                     [&](const Cell& c, quint64 w) { return place(c.row, c.column) < w; });
    if (it == m_cells.end() || place(it->row, it->column) != wanted)
        return WorkbookCell();
    if (!it->text)
        return WorkbookCell::ofNumber(it->number);
    return WorkbookCell::ofText(QString::fromUtf8(m_answer.constData() + it->span.offset, it->span.length));
}

void XlsWorkbook::setText(int, int, const QString&)
{
    throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1: this workbook format is only read").arg(m_path));
}

void XlsWorkbook::clearRowsFrom(int, int)
{
    throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1: this workbook format is only read").arg(m_path));
}

void XlsWorkbook::save()
{
    throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("%1: this workbook format is only read").arg(m_path));
}
