#pragma once

#include "platform/HttpClient.h"
#include "tests/support/FakePageHost.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempProgramFolder.h"

#include <QStringList>
#include <gtest/gtest.h>

// A page host on a temporary program folder whose language files name
// every line ("Stil 168", "Box 21"), a test HTTP server on 127.0.0.1 as the
// online service, the program's own HTTP client, and scripted input boxes.
class OnlineTest : public ::testing::Test {
protected:
    OnlineTest()
    {
        folder.writeLanguageTable("english-style.ass", "Stil", "Stil");
        folder.writeLanguageTable("english-message.ass", "Meldung", "Meldung");
        folder.writeLanguageTable("english-box.ass", "Box", "Box");
        host.session().Options().setLanguage(0);
        host.session().LoadLanguages();
        host.session().setServerUrl(server.baseUrl());
    }


    TempProgramFolder folder;
    FakePageHost host;
    LocalHttpServer server;
    QtHttpClient http{3000};
    Http::Scoped httpScope{http};
    ScriptedMessages messages;
};
