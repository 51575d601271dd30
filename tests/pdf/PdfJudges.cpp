#include "tests/pdf/PdfJudges.h"

#include <QFile>
#include <QProcess>

namespace {

QString run(const QString& program, const QStringList& args, int* exitCode)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(60000)) {
        *exitCode = -1;
        return program + QStringLiteral(" did not finish: ") + p.errorString();
    }
    *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAll());
}

} // namespace

namespace PdfJudges {

Verdict qpdfCheck(const QString& path)
{
    int code = 0;
    Verdict v;
    v.output = run(QStringLiteral("qpdf"), {QStringLiteral("--check"), path}, &code);
    v.passed = code == 0 && !v.output.contains(QLatin1String("WARNING"), Qt::CaseInsensitive);
    return v;
}

QString pdftotext(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!p.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

std::map<int, qint64> xrefOffsets(const QByteArray& pdf)
{
    std::map<int, qint64> offsets;
    const qsizetype sx = pdf.lastIndexOf("startxref");
    if (sx < 0)
        return offsets;
    qsizetype p = sx + 9;
    while (p < pdf.size() && (pdf[p] == '\r' || pdf[p] == '\n'))
        ++p;
    qsizetype e = p;
    while (e < pdf.size() && pdf[e] >= '0' && pdf[e] <= '9')
        ++e;
    const qint64 xref = pdf.mid(p, e - p).toLongLong();
    if (pdf.mid(xref, 4) != "xref")
        return offsets;
    qsizetype line = pdf.indexOf('\n', xref) + 1;          // after "xref"
    const qsizetype headerEnd = pdf.indexOf('\n', line);   // "0 n"
    const QList<QByteArray> header = pdf.mid(line, headerEnd - line).trimmed().split(' ');
    const int first = header.value(0).toInt();
    const int count = header.value(1).toInt();
    qsizetype entry = headerEnd + 1;
    for (int i = 0; i < count; ++i, entry += 20) {
        const QByteArray text = pdf.mid(entry, 20);
        if (text.size() == 20 && text[17] == 'n')
            offsets[first + i] = text.left(10).toLongLong();
    }
    return offsets;
}

QByteArray objectBytes(const QByteArray& pdf, int n)
{
    const auto offsets = xrefOffsets(pdf);
    const auto it = offsets.find(n);
    if (it == offsets.end())
        return QByteArray();
    const qsizetype end = pdf.indexOf("endobj", it->second);
    return end < 0 ? QByteArray() : pdf.mid(it->second, end + 6 - it->second);
}

QByteArray streamData(const QByteArray& pdf, int n)
{
    const QByteArray obj = objectBytes(pdf, n);
    const qsizetype s = obj.indexOf("stream\r\n");
    const qsizetype e = obj.lastIndexOf("endstream");
    if (s < 0 || e < s)
        return QByteArray();
    return obj.mid(s + 8, e - s - 8);
}

} // namespace PdfJudges
