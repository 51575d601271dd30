#pragma once

#include "controls/ucText.h"
#include "data/clsDatentraeger.h"
#include "tests/support/TestTitles.h"
#include "tests/mainwindow/frame/FrameFixture.h"

#include <QDir>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <initializer_list>

// A shown main window, laid out and styled, on a temporary program folder,
// with scripted message boxes and helpers for collections and list files.
class TitlePagesTest : public FrameTest {
protected:
    TitlePagesTest()
    {
        giveBackground();
        QImage cover(8, 12, QImage::Format_RGB32);
        cover.fill(Qt::red);
        QDir().mkpath(folder.file(QStringLiteral("cover")));
        cover.save(folder.file(QStringLiteral("cover/c.bmp")));
        window->SetLanguageAndDesign();
        window->SetAllSizes(800, 600);
        window->show();
        window->StatusTimer_Timer(); // a clean status line
    }

    template <class T = QWidget>
    T* child(const char* name) const
    {
        T* c = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    void click(const char* button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }

    QString status() const { return window->Statusleiste()->text(); }
    static QString msg(int k) { return QStringLiteral("Meldung %1").arg(k); }
    // The start of message k for a file that could not be written: the
    // system's own words for the cause follow.
    static QString notWritten(int k, const QString& path)
    {
        return msg(k) + QStringLiteral(" (cannot write ") + path + QStringLiteral(": ");
    }
    static QString style(int k) { return QStringLiteral("Stil %1").arg(k); }

    // Types into the multi-line box of a labelled text control.
    void typeInto(const char* ucTextName, const QString& text)
    {
        auto* box = child<ucText>(ucTextName)->findChild<QPlainTextEdit*>(QStringLiteral("TextBox"));
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, text);
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
        window->session().Options().setDvdListpath(path);
        window->session().LoadDVDList();
        window->session().selectTitle(titles.empty() ? 0 : 1);
    }

    ScriptedMessages messages;
};
