#include "exchange/core/XlsxXmlCopier.h"

#include "exchange/core/XlsxXml.h"

using Reader = QXmlStreamReader;

XlsxXmlCopier::XlsxXmlCopier(const QByteArray& data, const QString& where) : r(data), w(&m_out), m_where(where)
{
    r.setNamespaceProcessing(false);
    m_out.reserve(data.size() + data.size() / 4);
}

QByteArray XlsxXmlCopier::withoutElements(const QByteArray& data, const QString& where,
                                          const std::function<bool(const Reader&)>& drop)
{
    XlsxXmlCopier x(data, where);
    while (x.next()) {
        if (x.r.isStartElement() && drop(x.r))
            x.skipRest();
        else
            x.copyToken();
    }
    x.copyToken();
    return x.result();
}

bool XlsxXmlCopier::next() { return XlsxXml::advance(r, m_where); }

void XlsxXmlCopier::copyToken()
{
    switch (r.tokenType()) {
    case Reader::StartDocument:
        if (!r.documentVersion().isEmpty()) {
            m_out += QLatin1StringView("<?xml version=\"");
            m_out += r.documentVersion();
            m_out += QLatin1StringView("\" encoding=\"UTF-8\"");
            if (r.isStandaloneDocument())
                m_out += QLatin1StringView(" standalone=\"yes\"");
            m_out += QLatin1StringView("?>");
        }
        break;
    case Reader::EndDocument: w.writeEndDocument(); break;
    case Reader::StartElement:
        w.writeStartElement(r.qualifiedName().toString());
        for (const QXmlStreamAttribute& a : r.attributes())
            w.writeAttribute(a.qualifiedName().toString(), a.value().toString());
        break;
    case Reader::EndElement: w.writeEndElement(); break;
    case Reader::Characters:
        if (r.isCDATA())
            w.writeCDATA(r.text().toString());
        else
            writeText(r.text());
        break;
    case Reader::Comment: w.writeComment(r.text().toString()); break;
    case Reader::ProcessingInstruction:
        w.writeProcessingInstruction(r.processingInstructionTarget().toString(),
                                     r.processingInstructionData().toString());
        break;
    case Reader::EntityReference: w.writeEntityReference(r.name().toString()); break;
    default: break;
    }
}

void XlsxXmlCopier::writeText(QStringView text)
{
    for (qsizetype from = 0;;) {
        const qsizetype cr = text.indexOf(u'\r', from);
        const QStringView piece = text.mid(from, cr < 0 ? -1 : cr - from);
        if (!piece.isEmpty())
            w.writeCharacters(piece.toString());
        if (cr < 0)
            break;
        w.writeEntityReference(QStringLiteral("#13"));
        from = cr + 1;
    }
}

void XlsxXmlCopier::walkRest(bool copy, const std::function<void(QStringView)>& onStart)
{
    for (int depth = 1; depth > 0;) {
        next();
        if (r.isStartElement()) {
            ++depth;
            if (onStart)
                onStart(XlsxXml::localName(r.qualifiedName()));
        } else if (r.isEndElement()) {
            --depth;
        }
        if (copy)
            copyToken();
    }
}
