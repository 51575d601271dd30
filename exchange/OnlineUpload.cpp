#include "exchange/OnlineUpload.h"

#include "mainwindow/host/WaitCursor.h"
#include "exchange/clsInternetExport.h"
#include "mainwindow/host/PageAction.h"
#include "mainwindow/host/PageHost.h"
#include "mainwindow/host/Session.h"
#include "platform/HttpClient.h"

void OnlineUpload::btQuorExport_Click(PageHost& host)
{
    const Session& session = host.session();
    clsInternetExport::UploadResult result;
    const bool ran = runAction(host, clsInternetExport::UploadResult::kStatusFailed, [&] {
        WaitCursor wait;
        result = clsInternetExport::UploadAllMovies(session.ServerUrl(), session.DVDListe(),
                                                    session.Options().Language(), Http::get());
    });
    if (ran)
        host.StatusMsg(result.statusMessage());
}
