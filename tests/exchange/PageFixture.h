#pragma once

#include "controls/ucEntry.h"
#include "tests/support/FakePageHost.h"
#include "tests/support/TempProgramFolder.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMap>
#include <QTest>
#include <gtest/gtest.h>

namespace exchange_test {

// A page of the exchange on a fake host whose language files name every
// line ("Stil 154" / "Style 154", "Meldung 19"); the host's window is shown
// so that clicks land.
class ExchangePageTest : public ::testing::Test {
protected:
    ExchangePageTest()
    {
        writeStyle();
        folder.writeLanguageTable("english-message.ass", "Meldung", "Message");
        folder.writeLanguageTable("english-box.ass", "Box", "Box");
        clsOptions& o = host.session().Options();
        o.setLanguage(0);
        o.setColorFont(0x000000FF);
        o.setColorBG(0x00FF0000);
        o.setColorEntryFont(0x0000FF00);
        o.setColorEntryBG(0x00FFFFFF);
        o.setDvdListpath(folder.file(QStringLiteral("lists/collection.adl")));
        host.session().LoadLanguages();
        host.clientArea()->window()->show();
    }

    // The caption table, with some lines of its own.
    void writeStyle(const QMap<int, QString>& own = {}) { folder.writeLanguageTable("english-style.ass", "Stil", "Style", own); }

    template <class W>
    W* find(const char* name)
    {
        W* w = host.clientArea()->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

    // Types into an entry as a user does, replacing its text.
    static void type(ucEntry* e, const QString& text)
    {
        auto* box = e->findChild<QLineEdit*>(QStringLiteral("text"));
        ASSERT_NE(box, nullptr);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
        ASSERT_EQ(e->value(), text);
    }

    void setCollection(const clsDatentraegerList& titles)
    {
        host.session().changeCollection([&](clsDatentraegerList& list) {
            list.ClearList();
            for (int i = 1; i <= titles.getListSize(); ++i)
                list.AddDVD(titles.getDVD(i));
        });
    }

    TempProgramFolder folder;
    FakePageHost host;
};

} // namespace exchange_test
