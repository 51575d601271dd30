#include "exchange/core/clsInternetExport.h"

#include "data/clsDatentraegerList.h"
#include "data/clsStringFunctions.h"
#include "platform/HttpClient.h"
#include "platform/Version.h"

#include <QUrl>
#include <utility>

namespace {

QString encoded(const QString& value) { return QString::fromLatin1(QUrl::toPercentEncoding(value)); }

} // namespace

QString clsInternetExport::GetExportMovie(const QString& base, const clsDatentraeger& title, std::uint8_t language)
{
    const QString& genre = title.GetGenre();
    const std::pair<const char*, QString> pairs[] = {
        {"l", QString::number(language)},
        {"titel", title.GetFilmname()},
        {"genre1", clsStringFunctions::GetStringPartBySeparator(genre, 1, QStringLiteral("/"))},
        {"genre2", clsStringFunctions::GetStringPartBySeparator(genre, 2, QStringLiteral("/"))},
        {"genre3", clsStringFunctions::GetStringPartBySeparator(genre, 3, QStringLiteral("/"))},
        {"landjahr", title.GetLandJahr()},
        {"fsk", QString::number(title.GetFsk())},
        {"dauer", QString::number(title.GetLaenge())},
        {"regie", title.GetRegie()},
        {"s1", title.GetSchauspieler1()},
        {"s2", title.GetSchauspieler2()},
        {"s3", title.GetSchauspieler3()},
        {"s4", title.GetSchauspieler4()},
        {"s5", title.GetSchauspieler5()},
    };
    QString url = base + QStringLiteral("/addMovie.php?");
    bool first = true;
    for (const auto& [key, value] : pairs) {
        if (!first)
            url += u'&';
        first = false;
        url += QLatin1String(key) + u'=' + encoded(value);
    }
    return url;
}

QString clsInternetExport::GetSearchMovie(const QString& base, std::uint8_t language, const QString& text)
{
    return base + QStringLiteral("/getMovie.php?l=") + QString::number(language) + QStringLiteral("&searchstring=") +
           encoded(text);
}

QString clsInternetExport::GetUpdateUrl(const QString& base, std::uint8_t language)
{
    return base + QStringLiteral("/update.php?lang=%1&versmajor=%2&versminor=%3&versrevision=%4")
                      .arg(language)
                      .arg(Version::kMajor)
                      .arg(Version::kMinor)
                      .arg(Version::kRevision);
}

clsInternetExport::UploadResult clsInternetExport::UploadAllMovies(const QString& base, const clsDatentraegerList& list,
                                                                   std::uint8_t language, HttpClient& http,
                                                                   const std::function<bool(int)>& goOn)
{
    UploadResult result;
    result.total = list.getListSize();
    for (int i = 1; i <= result.total; ++i) {
        if (goOn && !goOn(result.sent)) {
            result.cancelled = true;
            break;
        }
        if (!http.get(GetExportMovie(base, list.getDVD(i), language))) {
            result.failure = http.lastFailureText();
            break;
        }
        ++result.sent;
    }
    return result;
}
