#pragma once

#include "data/clsDatentraeger.h"

#include <QString>
#include <cstdint>

// Requests of the online title service.
class clsInternetExport {
public:
    // The upload address of one title. Only the fields the service takes
    // are sent; every value is percent-encoded so that a "&", "#" or blank
    // in a name cannot break the query.
    static QString GetExportMovie(const QString& base, const clsDatentraeger& title, std::uint8_t language);
};
