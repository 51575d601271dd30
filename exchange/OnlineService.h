#pragma once

#include "data/MessageTexts.h"

#include <QString>

class PageHost;

// What the pages that talk to the online title service say alike.
namespace OnlineService {

constexpr int kStatusFailed = MessageText::Failed;
constexpr int kStatusNoAddress = MessageText::NoServiceAddress;

// The file that holds the service's address.
QString addressFile();
// True when a service address is set; otherwise the status line says so and
// names the file where the address belongs.
bool hasAddress(PageHost& host);
// "The operation failed.", followed by why the request failed when that is known.
void reportFailure(PageHost& host, const QString& why);

} // namespace OnlineService
