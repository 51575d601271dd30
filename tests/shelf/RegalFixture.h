#pragma once

#include "data/clsDatentraeger.h"
#include "data/clsDatentraegerList.h"
#include "platform/RandomSource.h"
#include "shelf/Regal.h"
#include "shelf/ShelfCanvas.h"
#include "tests/support/PageTestSettings.h"
#include "tests/support/FakePageHost.h"
#include "tests/support/FixedScreen.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

// The shelf window on a fake main window, in a temporary program folder
// whose language files name every line ("Regal 23" / "Shelf 23", "Box 19"),
// with a default background picture, the list "lists/a.adl" as the
// collection and a shelf window of 800 x 600 pixels.
class RegalTest : public ::testing::Test {
protected:
    using R = clsRegalCtrl;

    RegalTest()
    {
        folder.writeLanguageTable("english-shelf.ass", "Regal", "Shelf");
        PageTestSettings::writeLanguages(folder);
        writePicture(QStringLiteral("shelf.gif"), Qt::darkYellow, 20, 10);
        clsOptions& o = host.session().Options();
        o.setLanguage(0);
        o.setDvdListpath(folder.file(QStringLiteral("lists/a.adl")));
        o.setRegalWidth(800);
        o.setRegalHeight(600);
        o.setColorFont(0x000000FF);
        o.setColorBG(0x00FF0000);
        o.setColorEntryFont(0x0000FF00);
        o.setColorEntryBG(0x00FFFFFF);
        host.session().LoadLanguages();
        regal = std::make_unique<Regal>(host);
        // What the main window does with a chosen title, as far as the shelf sees it.
        QObject::connect(regal.get(), &Regal::titleChosen, [this](std::int16_t pos) {
            host.session().selectTitle(pos);
            host.log << QStringLiteral("DVDScreenAufrufen %1").arg(pos);
        });
    }


    // A picture under any name (written as BMP, read by its content).
    QString writePicture(const QString& relative, Qt::GlobalColor colour, int w = 8, int h = 8)
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(colour);
        const QString path = folder.write(relative, QByteArray());
        img.save(path, "BMP");
        return path;
    }

    // The collection "lists/a.adl": titles (name, format) in this order.
    void writeList(const std::vector<std::pair<QString, QString>>& titles,
                   const QString& relative = QStringLiteral("lists/a.adl"))
    {
        clsDatentraegerList list;
        for (const auto& [name, format] : titles) {
            clsDatentraeger d;
            d.SetFilmname(name);
            d.SetFormat(format);
            list.AddDVD(d);
        }
        list.Save(folder.file(relative));
    }

    void writeShelfLines(const QStringList& lines) { folder.writeLines(QStringLiteral("shelves/a.arf"), lines); }

    // A shelf of the given titles, each "left#top#width#height", and boards "left#top#width#0".
    void writeShelf(const std::vector<std::pair<QString, QString>>& titles, const QStringList& boards = {},
                    int movieSize = 100, const QString& background = QStringLiteral("shelf.gif"))
    {
        QStringList lines{background, QString::number(titles.size()), QString::number(boards.size()),
                          QString::number(movieSize)};
        for (const auto& [name, numbers] : titles)
            lines << name << numbers;
        lines << boards;
        writeShelfLines(lines);
    }

    void openEditor()
    {
        regal->OpenEditor();
        ASSERT_TRUE(regal->isVisible());
        ASSERT_TRUE(regal->BearbeitungsModus());
        // Mouse moves reach a window once it is on the screen.
        ASSERT_TRUE(QTest::qWaitForWindowExposed(regal.get()));
        host.statusMessages.clear();
        host.log.clear();
    }

    ShelfCanvas* canvas() const { return regal->canvas(); }
    R& shelf() const { return regal->editor().shelf(); }
    QAction* item(const char* name) const { return regal->menuItem(QString::fromLatin1(name)); }
    template <class W>
    W* child(const char* name) const
    {
        return regal->findChild<W*>(QString::fromLatin1(name));
    }

    // The mouse over the canvas, as a user moves, presses and releases it.
    // A move is sent as the event itself: QTest moves the system cursor
    // instead, which ignores a move to where the cursor already is.
    void moveTo(QPoint p)
    {
        QMouseEvent move(QEvent::MouseMove, p, canvas()->mapToGlobal(p), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(canvas(), &move);
    }
    void press(QPoint p, Qt::KeyboardModifiers keys = {}) { QTest::mousePress(canvas(), Qt::LeftButton, keys, p); }
    void release(QPoint p, Qt::KeyboardModifiers keys = {}) { QTest::mouseRelease(canvas(), Qt::LeftButton, keys, p); }
    // A rubber band from one corner to the other.
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers keys = {})
    {
        moveTo(from);
        press(from, keys);
        moveTo(to);
        release(to, keys);
    }
    // A click on the background at p, after the mouse has moved there.
    void clickBackground(QPoint p)
    {
        moveTo(p);
        press(p);
        release(p);
    }
    void clickMovie(int i, Qt::KeyboardModifiers keys = {})
    {
        QTest::mouseClick(canvas(), Qt::LeftButton, keys, canvas()->movieRect(i).center());
    }
    void clickBrett(int j, Qt::KeyboardModifiers keys = {})
    {
        QTest::mouseClick(canvas(), Qt::LeftButton, keys, canvas()->brettRect(j).topLeft() + QPoint(1, 1));
    }

    QPoint movieAt(int i) const
    {
        return {shelf().GetMovieNumber(i, R::MovieLeft), shelf().GetMovieNumber(i, R::MovieTop)};
    }
    QPoint brettAt(int j) const
    {
        return {shelf().GetBrettNumber(j, R::BrettLeft), shelf().GetBrettNumber(j, R::BrettTop)};
    }
    QStringList names() const
    {
        QStringList out;
        for (int i = 1; i <= shelf().MovieCount(); ++i)
            out << shelf().GetMovieValue(i, R::MovieName);
        return out;
    }
    std::vector<int> marks() const
    {
        std::vector<int> out;
        for (int i = 1; i <= shelf().MovieCount(); ++i)
            out.push_back(shelf().GetMovieNumber(i, R::MovieMark));
        return out;
    }

    TempProgramFolder folder;
    MersenneRandomSource random{7};
    Random::Scoped randomScope{random};
    ScriptedMessages boxes;
    FixedScreen screen{QSize(1920, 1080)};
    FakePageHost host;
    std::unique_ptr<Regal> regal;
};
