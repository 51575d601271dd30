#include "exchange/core/XlsxSheetMerge.h"

#include "exchange/core/XlsxByteMerge.h"
#include "exchange/core/XlsxStreamMerge.h"

namespace {

bool g_streamOnly = false;

} // namespace

XlsxSheetMerge::Result XlsxSheetMerge::run(const QByteArray& sheet, const XlsxSheetChanges& changes,
                                           const QString& where)
{
    Result result;
    if (!g_streamOnly) {
        if (std::optional<QByteArray> bytes = XlsxByteMerge(sheet, changes).run(result.formulasReplaced)) {
            result.sheet = std::move(*bytes);
            return result;
        }
    }
    result.formulasReplaced = false;
    result.path = Path::Stream;
    result.sheet = XlsxStreamMerge::run(sheet, changes, where, result.formulasReplaced);
    return result;
}

void XlsxSheetMerge::setStreamOnly(bool streamOnly) { g_streamOnly = streamOnly; }
