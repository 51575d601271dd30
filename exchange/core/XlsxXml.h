#pragma once

#include <QString>
#include <QStringView>
#include <QXmlStreamReader>

// Reading the XML parts of a workbook with QXmlStreamReader. Whatever a
// part does wrong marks the workbook as damaged: a RuntimeError that names
// the part.
class XlsxXml {
public:
    [[noreturn]] static void damaged(const QString& where, const QString& what);

    // The next token; false at the end of the document. A document type
    // declaration is refused: nothing in a workbook needs one, and its
    // entities are the way to blow a small part up.
    static bool advance(QXmlStreamReader& r, const QString& where);

    // The text of a leaf element; the reader stands on its end afterwards.
    static QString leafText(QXmlStreamReader& r, const QString& where);

    static QStringView localName(QStringView qualified)
    {
        const qsizetype colon = qualified.indexOf(u':');
        return colon < 0 ? qualified : qualified.mid(colon + 1);
    }

    // The element's name without its prefix, whether or not the reader
    // processes namespaces (the big parts are read without, which is faster).
    static QStringView tag(const QXmlStreamReader& r) { return localName(r.qualifiedName()); }

    static QString attribute(const QXmlStreamReader& r, QStringView name);

    // An unprefixed attribute without a copy; valid while attrs lives.
    static QStringView plainAttribute(const QXmlStreamAttributes& attrs, QLatin1StringView name)
    {
        for (const QXmlStreamAttribute& a : attrs) {
            if (a.qualifiedName() == name)
                return a.value();
        }
        return QStringView();
    }
};
