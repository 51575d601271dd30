#pragma once

#include <QString>

class ZipArchive;

// The parts of an Office Open XML package that a workbook reads and changes,
// found through the package's relationships: the workbook, its active sheet
// (the workbook view's active tab), the shared strings and the calculation
// chain. A package without a workbook or a sheet, or with a target that
// leaves it, is damaged; an active sheet that is no worksheet holds no cells.
class XlsxPackage {
public:
    // The package's small parts: content types, relationships, the workbook.
    static constexpr qint64 kMaxSmallPartBytes = 8 * 1024 * 1024;

    // path names the file in errors.
    XlsxPackage(const ZipArchive& zip, const QString& path);

    const QString& sheetPart() const { return m_sheetPart; }
    // Empty when the package has none.
    const QString& sharedStringsPart() const { return m_sharedStringsPart; }

    // Takes the calculation chain out of the package, with its relationship
    // and its content type.
    void dropCalcChain(ZipArchive& zip) const;

private:
    QString m_workbookPart;
    QString m_workbookRelsPart;
    QString m_sheetPart;
    QString m_sharedStringsPart;
    QString m_calcChainPart;
};
