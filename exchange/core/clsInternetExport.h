#pragma once

#include "data/MessageTexts.h"
#include "data/clsDatentraeger.h"

#include <QString>
#include <cstdint>
#include <functional>

class HttpClient;
class clsDatentraegerList;

// Requests of the online title service. Every value in a query is
// percent-encoded (UTF-8), so that a "&", "#" or blank in a name cannot
// break the query.
class clsInternetExport {
public:
    // The upload address of one title. Only the fields the service takes are sent.
    static QString GetExportMovie(const QString& base, const clsDatentraeger& title, std::uint8_t language);
    // The search address for a text as the user typed it.
    static QString GetSearchMovie(const QString& base, std::uint8_t language, const QString& text);
    // The update page of this version, opened in the web browser.
    static QString GetUpdateUrl(const QString& base, std::uint8_t language);

    struct UploadResult {
        static constexpr int kStatusDone = MessageText::ExportFinished;
        static constexpr int kStatusFailed = MessageText::Failed;
        static constexpr int kStatusCancelled = MessageText::UploadCancelled;

        int sent = 0;           // titles the service received, from title 1 on
        int total = 0;          // titles of the collection
        bool cancelled = false; // stopped because goOn said so
        QString failure;        // why the request that failed failed, as the client knows it
        bool ok() const { return sent == total; }
        // The status message the export page shows.
        int statusMessage() const { return ok() ? kStatusDone : cancelled ? kStatusCancelled : kStatusFailed; }
    };
    // Uploads every title in list order and stops at the first request that
    // fails, or before a request when goOn (given the number sent so far)
    // answers false; the titles sent before stay sent. The answers are not
    // read and the collection is not changed.
    static UploadResult UploadAllMovies(const QString& base, const clsDatentraegerList& list,
                                        std::uint8_t language, HttpClient& http,
                                        const std::function<bool(int sent)>& goOn = {});
};
