#include "exchange/core/XlsxXml.h"

#include "platform/RuntimeError.h"

using Reader = QXmlStreamReader;

void XlsxXml::damaged(const QString& where, const QString& what)
{
    throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("damaged workbook: %1: %2").arg(where, what));
}

bool XlsxXml::advance(Reader& r, const QString& where)
{
    const Reader::TokenType t = r.readNext();
    if (t == Reader::Invalid)
        damaged(where, r.errorString());
    if (t == Reader::DTD)
        damaged(where, QStringLiteral("document type declaration"));
    return t != Reader::EndDocument;
}

QString XlsxXml::leafText(Reader& r, const QString& where)
{
    QString text = r.readElementText(Reader::SkipChildElements);
    if (r.hasError())
        damaged(where, r.errorString());
    return text;
}

QString XlsxXml::attribute(const Reader& r, QStringView name)
{
    const QXmlStreamAttributes attrs = r.attributes();
    for (const QXmlStreamAttribute& a : attrs) {
        if (localName(a.qualifiedName()) == name)
            return a.value().toString();
    }
    return QString();
}
