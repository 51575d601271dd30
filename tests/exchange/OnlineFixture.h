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
        writeTable("english-style.ass", "Stil");
        writeTable("english-message.ass", "Meldung");
        writeTable("english-box.ass", "Box");
        host.session().Options().setLanguage(0);
        host.session().LoadLanguages();
        host.session().setServerUrl(server.baseUrl());
    }

    void writeTable(const char* file, const char* word)
    {
        QStringList lines;
        for (int k = 1; k <= 200; ++k)
            lines << QStringLiteral("%1#%2 %1#%2 %1").arg(k).arg(QLatin1String(word));
        folder.writeLines(QStringLiteral("languages/") + QLatin1String(file), lines);
    }

    TempProgramFolder folder;
    FakePageHost host;
    LocalHttpServer server;
    QtHttpClient http{3000};
    Http::Scoped httpScope{http};
    ScriptedMessages messages;
};
