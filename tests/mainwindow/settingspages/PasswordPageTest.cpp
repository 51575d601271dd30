#include "controls/ucEntry.h"
#include "data/clsPasswordFunctions.h"
#include "mainwindow/settingspages/PagePasswort.h"
#include "tests/mainwindow/settingspages/Printing.h"
#include "tests/support/FakePageHost.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/TempProgramFolder.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

// Page 18 alone on a fake host, with a password file when one is given.
class PasswordPage : public ::testing::Test {
protected:
    void start(const QString& stored)
    {
        if (!stored.isEmpty()) {
            clsPasswordFunctions pw;
            pw.SetPassword(stored);
            pw.SaveIntoFile(folder.file("password.apw"));
        }
        // A fresh host each time: the page's controls belong to its client area.
        page.reset();
        hostPtr = std::make_unique<FakePageHost>();
        host().session().LoadPassword();
        page = std::make_unique<PagePasswort>(host());
        page->SetDesignPasswort();
        page->ShowPasswort();
    }

    void type(const QString& old, const QString& neu, const QString& again) const
    {
        entry("ucEntryPwOld")->setValue(old);
        entry("ucEntryPwNew")->setValue(neu);
        entry("ucEntryPwNew2")->setValue(again);
    }
    ucEntry* entry(const char* name) const
    {
        return host().clientArea()->findChild<ucEntry*>(QString::fromLatin1(name));
    }
    void click(const char* button) const
    {
        QTest::mouseClick(host().clientArea()->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    }
    // What the next start reads from the file.
    QString fromFile() const
    {
        clsPasswordFunctions pw;
        pw.LoadFromFile(folder.file("password.apw"));
        return pw.GetPassword();
    }

    FakePageHost& host() const { return *hostPtr; }

    ScriptedRandom random{0.7, 0.2, 0.4};
    TempProgramFolder folder;
    std::unique_ptr<FakePageHost> hostPtr;
    std::unique_ptr<PagePasswort> page;
};

TEST_F(PasswordPage, ChangingChecksTheCurrentPasswordTheRepetitionAndWhatTheFileCanKeep)
{
    const struct {
        const char* what;
        QString stored, old, neu, again;
        int message;
        QString after; // the password afterwards, in the session and in the file
    } cases[] = {
        {"first use", "", "", "abc", "abc", 3, "abc"},
        {"change", "Secret1", "Secret1", "Neu42", "Neu42", 3, "Neu42"},
        {"nine characters", "Secret1", "Secret1", "abcdefghi", "abcdefghi", 3, "abcdefghi"},
        {"letters beyond ASCII", "", "", "Übel9", "Übel9", 3, "Übel9"},
        {"both new entries empty clear it", "Secret1", "Secret1", "", "", 3, ""},
        {"current in other case", "Secret1", "secret1", "abc", "abc", 51, "Secret1"},
        {"current missing", "Secret1", "", "abc", "abc", 51, "Secret1"},
        {"repetition differs", "Secret1", "Secret1", "abc", "abd", 30, "Secret1"},
        {"ten characters", "Secret1", "Secret1", "abcdefghij", "abcdefghij", 15, "Secret1"},
        {"comma", "Secret1", "Secret1", "ab,c", "ab,c", 15, "Secret1"},
        {"blank", "", "", "ab c", "ab c", 15, ""},
        {"sign", "Secret1", "Secret1", "p@ss", "p@ss", 15, "Secret1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(folder.file("password.apw"));
        start(c.stored);
        const QByteArray before = folder.read("password.apw");
        type(c.old, c.neu, c.again);
        click("btPwChange");
        EXPECT_EQ(host().statusMessages, std::vector<int>{c.message});
        EXPECT_EQ(host().session().PasswordFunctions().GetPassword(), c.after);
        if (c.message == 3)
            EXPECT_EQ(fromFile(), c.after);
        else
            EXPECT_EQ(folder.read("password.apw"), before); // not even rewritten
        // the page never clears its entries
        EXPECT_EQ(entry("ucEntryPwOld")->value(), c.old);
        EXPECT_EQ(entry("ucEntryPwNew2")->value(), c.again);
    }
}

TEST_F(PasswordPage, AfterAChangeTheOldPasswordInTheEntryNoLongerFits)
{
    start(QStringLiteral("Secret1"));
    type(QStringLiteral("Secret1"), QStringLiteral("Neu42"), QStringLiteral("Neu42"));
    click("btPwChange");
    click("btPwChange");
    EXPECT_EQ(host().statusMessages, (std::vector<int>{3, 51}));
    entry("ucEntryPwOld")->setValue(QStringLiteral("Neu42"));
    click("btPwChange");
    EXPECT_EQ(host().lastStatus(), 3);
}

TEST_F(PasswordPage, ClearingNeedsTheCurrentPassword)
{
    start(QStringLiteral("Secret1"));
    type(QStringLiteral("Secret"), QString(), QString());
    click("btPwDelete");
    EXPECT_EQ(host().statusMessages, std::vector<int>{51});
    EXPECT_EQ(fromFile(), QStringLiteral("Secret1"));

    entry("ucEntryPwOld")->setValue(QStringLiteral("Secret1"));
    click("btPwDelete");
    EXPECT_EQ(host().lastStatus(), 5);
    EXPECT_EQ(host().session().PasswordFunctions().GetPassword(), QString());
    // the file holds the length digit 0 and no password
    EXPECT_EQ(folder.read("password.apw").at(15786), '0');
    EXPECT_EQ(fromFile(), QString());
}

TEST_F(PasswordPage, APasswordFileThatCannotBeWrittenKeepsTheOldPassword)
{
    start(QStringLiteral("Secret1"));
    QFile::remove(folder.file("password.apw"));
    folder.write("password.apw/blocked", "x");
    type(QStringLiteral("Secret1"), QStringLiteral("Neu42"), QStringLiteral("Neu42"));
    click("btPwChange");
    click("btPwDelete");
    EXPECT_EQ(host().statusMessages, (std::vector<int>{4, 4}));
    EXPECT_EQ(host().session().PasswordFunctions().GetPassword(), QStringLiteral("Secret1"));
}

} // namespace
