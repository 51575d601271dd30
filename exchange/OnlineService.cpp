#include "exchange/OnlineService.h"

#include "data/ProgramFiles.h"
#include "host/PageHost.h"
#include "session/Session.h"

QString OnlineService::addressFile() { return ProgramFiles::serverAddress(); }

bool OnlineService::hasAddress(PageHost& host)
{
    if (!host.session().ServerUrl().trimmed().isEmpty())
        return true;
    // The program folder is hidden, so the file is named in full.
    host.StatusMsg(kStatusNoAddress, u' ' + addressFile());
    return false;
}

void OnlineService::reportFailure(PageHost& host, const QString& why)
{
    host.StatusMsg(kStatusFailed, why.isEmpty() ? QString() : QStringLiteral(" (") + why + u')');
}
