#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The text of workbook strings. Characters that XML cannot hold (and the
// carriage return, which XML would turn into a line feed) travel as "_xHHHH_".
class XlsxText {
public:
    // A string as read from a part, its escapes decoded.
    static QString decode(const QString& s);

    // s as a workbook string: XML's own escapes, and "_xHHHH_" for what XML
    // cannot hold. Quotes are escaped too, so that it serves attribute values.
    static void append(QString& out, QStringView s);
    // The same as UTF-8.
    static void appendUtf8(QByteArray& out, QStringView s);
};
