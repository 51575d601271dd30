#pragma once

#include "controls/ucEntry.h"
#include "controls/ucText.h"
#include "data/clsDatentraeger.h"
#include "tests/support/TestTitles.h"
#include "tests/support/UserInput.h"
#include "data/clsDatentraegerList.h"
#include "tests/support/FakePageHost.h"
#include "tests/support/FixedScreen.h"
#include "tests/support/PageTestSettings.h"
#include "tests/support/RecordingServices.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempProgramFolder.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

// Pages on a fake host with a real session, in a temporary program folder
// whose language files give every line a text that names it ("Stil 14",
// "Meldung 27"), the host's window shown. A fixture routes the pages it
// builds, so that the host's page switching hides and shows them as the
// main window does, and shows the host's window once they are made.
class PagesOnHostTest : public ::testing::Test {
protected:
    PagesOnHostTest()
    {
        PageTestSettings::writeLanguages(folder);
        PageTestSettings::apply(session().Options());
        session().LoadLanguages();
        host.onHideAllPages = [this] { hideAll(); };
        host.onShowPage = [this](int page) {
            hideAll();
            if (const auto it = m_show.find(page); it != m_show.end())
                it->second(page);
        };
    }


    // Page switches reach a page built by the test: every routed page is
    // hidden, then the one asked for shows itself.
    void route(std::initializer_list<int> pages, std::function<void(int)> show, std::function<void()> hide)
    {
        for (int page : pages)
            m_show[page] = show;
        m_hide.push_back(std::move(hide));
    }
    void showPage(int page) { host.ShowPage(page); }
    // Shown after the pages are made, as the main window is.
    void showWindow() { host.clientArea()->window()->show(); }
    int currentPage() const { return host.currentPage; }

    Session& session() const { return host.session(); }

    template <class T = QWidget>
    T* child(const QString& name) const
    {
        T* c = host.clientArea()->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    ucEntry* entry(const QString& name) const { return child<ucEntry>(name); }
    void click(const QString& button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }

    // The status line as the window would show it; clearStatus() is its timer.
    QString status() const { return host.statusLine(); }
    void clearStatus() { host.clearStatusLine(); }
    static QString msg(int k) { return QStringLiteral("Meldung %1").arg(k); }
    // The start of message k for a file that could not be written: the
    // system's own words for the cause follow.
    static QString notWritten(int k, const QString& path)
    {
        return msg(k) + QStringLiteral(" (cannot write ") + path + QStringLiteral(": ");
    }
    static QString style(int k) { return QStringLiteral("Stil %1").arg(k); }

    QStringList listItems(const QString& name) const { return UserInput::items(child<QListWidget>(name)); }

    // Types into the multi-line box of a labelled text control.
    void typeInto(const QString& ucTextName, const QString& text)
    {
        auto* box = child<ucText>(ucTextName)->findChild<QPlainTextEdit*>(QStringLiteral("TextBox"));
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, text);
    }

    TempProgramFolder folder;
    // Large enough for every size the tests lay out.
    FixedScreen screen{QSize(4000, 3000)};
    RecordingSounds sounds;
    RecordingOpener opener;
    mutable FakePageHost host;

private:
    void hideAll()
    {
        for (const auto& hide : m_hide)
            hide();
    }

    std::map<int, std::function<void(int)>> m_show;
    std::vector<std::function<void()>> m_hide;
};

// Pages that show the collection, with a cover picture "cover/c.bmp",
// scripted message boxes and helpers for collections and list files.
class TitlePagesOnHostTest : public PagesOnHostTest {
protected:
    TitlePagesOnHostTest()
    {
        QImage cover(8, 12, QImage::Format_RGB32);
        cover.fill(Qt::red);
        QDir().mkpath(folder.file(QStringLiteral("cover")));
        cover.save(folder.file(QStringLiteral("cover/c.bmp")));
    }

    static clsDatentraeger title(const QString& name, int rating = 0, int length = 0, int price = 0)
    {
        return TestTitles::withCover(name, rating, length, price);
    }

    // Writes titles, in this order, as a list file of the lists folder; returns its path.
    QString writeList(const QString& name, const std::vector<clsDatentraeger>& titles)
    {
        return TestTitles::writeList(folder, name, titles);
    }

    // Makes the titles the collection, kept in the list file `name`.
    void useCollection(const std::vector<clsDatentraeger>& titles, const QString& name = QStringLiteral("main"))
    {
        const QString path = writeList(name, titles);
        session().Options().setDvdListpath(path);
        session().LoadDVDList();
        session().selectTitle(titles.empty() ? 0 : 1);
    }

    ScriptedMessages messages;
};

// Pages that edit titles, with the collection stored in lists/test.adl and
// the online service answered by a double.
class EditPagesOnHostTest : public PagesOnHostTest {
protected:
    EditPagesOnHostTest() { session().Options().setDvdListpath(listPath()); }

    QString listPath() const { return folder.file(QStringLiteral("lists/test.adl")); }

    // A picture file in the program folder; returns its full path.
    QString picture(const QString& relative) { return TestTitles::writePicture(folder, relative); }

    static clsDatentraeger title(const QString& name, int rating = 0, const QString& landJahr = QString(), int price = 0)
    {
        return TestTitles::withYear(name, rating, landJahr, price);
    }

    void addTitles(const QStringList& names)
    {
        for (const QString& n : names)
            session().DVDListe().AddDVD(title(n));
    }

    QStringList storedNames() const { return TestTitles::namesIn(listPath()); }

    // Types into an entry as a user does: the old text is replaced.
    void type(const QString& entryName, const QString& text) { UserInput::type(entry(entryName), text); }

    RecordingHttp http;
};
