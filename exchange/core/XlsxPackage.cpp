#include "exchange/core/XlsxPackage.h"

#include "exchange/core/XlsxXml.h"
#include "exchange/core/XlsxXmlCopier.h"
#include "exchange/core/ZipArchive.h"
#include "platform/RuntimeError.h"

#include <QStringList>
#include <QUrl>
#include <QXmlStreamReader>

#include <algorithm>
#include <vector>

namespace {

using Reader = QXmlStreamReader;

// One relationship of a part.
struct Relationship {
    QString id;
    QString type;
    QString target; // the part's name in the package
};

QString folderOf(const QString& part)
{
    const qsizetype slash = part.lastIndexOf(u'/');
    return slash < 0 ? QString() : part.left(slash);
}

QString relationshipsOf(const QString& part)
{
    const QString folder = folderOf(part);
    const QString name = part.mid(folder.isEmpty() ? 0 : folder.size() + 1);
    return (folder.isEmpty() ? QString() : folder + u'/') + QStringLiteral("_rels/") + name + QStringLiteral(".rels");
}

// A relationship target as a part name; a target that climbs out of the package is damage.
QString resolveTarget(const QString& folder, const QString& target, const QString& where)
{
    QString t = QUrl::fromPercentEncoding(target.toUtf8());
    t.replace(u'\\', u'/');
    QStringList segments;
    if (!t.startsWith(u'/'))
        segments = folder.split(u'/', Qt::SkipEmptyParts);
    for (const QString& s : t.split(u'/', Qt::SkipEmptyParts)) {
        if (s == QLatin1String("."))
            continue;
        if (s == QLatin1String("..")) {
            if (segments.isEmpty())
                XlsxXml::damaged(where, QStringLiteral("target %1 leaves the package").arg(target));
            segments.removeLast();
        } else {
            segments << s;
        }
    }
    return segments.join(u'/');
}

std::vector<Relationship> readRelationships(const ZipArchive& zip, const QString& relsPart, const QString& folder)
{
    std::vector<Relationship> rels;
    if (!zip.contains(relsPart))
        return rels;
    const QByteArray data = zip.read(relsPart, XlsxPackage::kMaxSmallPartBytes);
    Reader r(data);
    while (XlsxXml::advance(r, relsPart)) {
        if (!r.isStartElement() || r.name() != QLatin1String("Relationship"))
            continue;
        if (XlsxXml::attribute(r, u"TargetMode").compare(QLatin1String("External"), Qt::CaseInsensitive) == 0)
            continue;
        rels.push_back({XlsxXml::attribute(r, u"Id"), XlsxXml::attribute(r, u"Type"),
                        resolveTarget(folder, XlsxXml::attribute(r, u"Target"), relsPart)});
    }
    return rels;
}

bool hasType(const Relationship& rel, QLatin1String kind)
{
    return rel.type.endsWith(u'/' + QString(kind), Qt::CaseInsensitive);
}

// The relationship id of a <sheet>: the one attribute "id" in a namespace.
QString sheetRelationshipId(const Reader& r)
{
    const QXmlStreamAttributes attrs = r.attributes();
    for (const QXmlStreamAttribute& a : attrs) {
        if (a.name() == QLatin1String("id") && !a.namespaceUri().isEmpty())
            return a.value().toString();
    }
    return QString();
}


} // namespace

XlsxPackage::XlsxPackage(const ZipArchive& zip, const QString& path)
{
    m_workbookPart = QStringLiteral("xl/workbook.xml");
    for (const Relationship& rel : readRelationships(zip, QStringLiteral("_rels/.rels"), QString())) {
        if (hasType(rel, QLatin1String("officeDocument"))) {
            m_workbookPart = rel.target;
            break;
        }
    }
    if (!zip.contains(m_workbookPart))
        XlsxXml::damaged(path, QStringLiteral("no workbook part"));

    // The active sheet: the workbook view's active tab, counted over the sheets in order.
    const QByteArray workbook = zip.read(m_workbookPart, kMaxSmallPartBytes);
    Reader r(workbook);
    int activeTab = -1;
    QStringList sheetIds;
    while (XlsxXml::advance(r, m_workbookPart)) {
        if (!r.isStartElement())
            continue;
        if (r.name() == QLatin1String("workbookView") && activeTab < 0)
            activeTab = std::max(0, XlsxXml::attribute(r, u"activeTab").toInt());
        else if (r.name() == QLatin1String("sheet"))
            sheetIds << sheetRelationshipId(r);
    }
    if (sheetIds.isEmpty())
        XlsxXml::damaged(m_workbookPart, QStringLiteral("no sheet"));
    if (activeTab < 0 || activeTab >= sheetIds.size())
        activeTab = 0;

    m_workbookRelsPart = relationshipsOf(m_workbookPart);
    for (const Relationship& rel : readRelationships(zip, m_workbookRelsPart, folderOf(m_workbookPart))) {
        if (rel.id == sheetIds[activeTab]) {
            if (!hasType(rel, QLatin1String("worksheet")))
                throw RuntimeError(ErrorKind::InputOutput,
                                   QStringLiteral("%1: the active sheet holds no cells").arg(path));
            m_sheetPart = rel.target;
        } else if (hasType(rel, QLatin1String("sharedStrings"))) {
            m_sharedStringsPart = rel.target;
        } else if (hasType(rel, QLatin1String("calcChain"))) {
            m_calcChainPart = rel.target;
        }
    }
    if (m_sheetPart.isEmpty() || !zip.contains(m_sheetPart))
        XlsxXml::damaged(m_workbookPart, QStringLiteral("the active sheet's part is missing"));
    if (!m_sharedStringsPart.isEmpty() && !zip.contains(m_sharedStringsPart))
        m_sharedStringsPart.clear();
}

void XlsxPackage::dropCalcChain(ZipArchive& zip) const
{
    // The calculation chain lists the formula cells; one that lost its
    // formula would make the file need repair, and the chain is rebuilt
    // when missing.
    if (m_calcChainPart.isEmpty() || !zip.contains(m_calcChainPart))
        return;
    zip.remove(m_calcChainPart);
    const auto isChain = [](const Reader& r) {
        return XlsxXml::localName(r.qualifiedName()) == u"Relationship" &&
               XlsxXml::attribute(r, u"Type").endsWith(QLatin1String("/calcChain"), Qt::CaseInsensitive);
    };
    const QByteArray rels = zip.read(m_workbookRelsPart, kMaxSmallPartBytes);
    zip.replace(m_workbookRelsPart, XlsxXmlCopier::withoutElements(rels, m_workbookRelsPart, isChain));
    const QString types = QStringLiteral("[Content_Types].xml");
    if (zip.contains(types)) {
        const QString partName = u'/' + m_calcChainPart;
        const auto isChainType = [&](const Reader& r) {
            return XlsxXml::localName(r.qualifiedName()) == u"Override" &&
                   XlsxXml::attribute(r, u"PartName").compare(partName, Qt::CaseInsensitive) == 0;
        };
        zip.replace(types, XlsxXmlCopier::withoutElements(zip.read(types, kMaxSmallPartBytes), types, isChainType));
    }
}
