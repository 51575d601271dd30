#pragma once

#include <QByteArray>
#include <QString>

#include <map>

// Independent judges of the PDF files the tests write, and a small reader of
// their bytes that follows the cross-reference table.
namespace PdfJudges {

struct Verdict {
    bool passed = false;
    QString output; // what the judge said, for the failure message
};

// "qpdf --check": passes with exit code 0 and no warning.
Verdict qpdfCheck(const QString& path);

// The text that pdftotext reads from the file (UTF-8, pages separated by form feeds).
QString pdftotext(const QString& path);

QByteArray readBytes(const QString& path);

// Object number -> byte offset, from the table that "startxref" names;
// free entries are left out.
std::map<int, qint64> xrefOffsets(const QByteArray& pdf);

// The bytes of object n, from its "n 0 obj" line up to and including "endobj".
QByteArray objectBytes(const QByteArray& pdf, int n);

// The data of object n's stream: from after "stream" CR LF up to "endstream".
QByteArray streamData(const QByteArray& pdf, int n);

} // namespace PdfJudges
