#pragma once

#include "tests/mainwindow/frame/FrameFixture.h"

#include "controls/ucText.h"
#include "controls/ucTitle.h"
#include "data/clsDatentraeger.h"
#include "data/clsDatentraegerList.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

// A program folder with a settings file, a design, covers and a list file,
// for tests that start the main window the way the program does.
class StartupTest : public FrameTest {
protected:
    struct Title {
        const char* name;
        const char* format = "DVD";
        int rating = 3;
        int price = 1999;
        int length = 95;
        const char* cover = "cover/a.jpg"; // relative, made by makeCover unless empty
    };

    // The settings file: language, list path, 800 x 700, side switches, sound.
    void writeSettings(const QString& listPath, int language = 0, int shortcuts = 1, int sound = 0)
    {
        folder.writeLines(QStringLiteral("settings.aef"),
                          {QStringLiteral(" %1 ").arg(language), listPath, QStringLiteral("notes.txt"),
                           QStringLiteral("designs/d.asd"), QStringLiteral(" 800 "), QStringLiteral(" 700 "),
                           QStringLiteral(" 640 "), QStringLiteral(" 480 "), QStringLiteral(" 800 "),
                           QStringLiteral(" 600 "), QStringLiteral("DVD"), QStringLiteral("Extras"),
                           QStringLiteral("€"), QStringLiteral(" %1 ").arg(shortcuts),
                           QStringLiteral(" %1 ").arg(sound)});
        makePicture(QStringLiteral("bg.bmp"), 8, 8);
        folder.write(QStringLiteral("click.wav"), "RIFF");
        folder.write(QStringLiteral("start.wav"), "RIFF");
        folder.writeLines(QStringLiteral("designs/d.asd"),
                          {QStringLiteral("bg.bmp"), QStringLiteral("click.wav"), QStringLiteral("start.wav"),
                           QString(), QStringLiteral("255"), QStringLiteral("16711680"), QStringLiteral("0"),
                           QStringLiteral("16777215"), QStringLiteral("65535"), QStringLiteral("0")});
    }

    QString makePicture(const QString& relative, int w, int h, const char* format = nullptr)
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::darkRed);
        const QString path = folder.file(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        img.save(path, format);
        return path;
    }

    static clsDatentraeger title(const Title& t)
    {
        clsDatentraeger d;
        d.SetFilmname(QString::fromUtf8(t.name));
        d.SetFormat(QString::fromUtf8(t.format));
        d.SetBewertung(static_cast<std::uint8_t>(t.rating));
        d.SetKaufpreis(static_cast<std::int16_t>(t.price));
        d.SetLaenge(static_cast<std::int16_t>(t.length));
        d.SetGenre(QStringLiteral("Drama"));
        d.SetSchauspieler1(QStringLiteral("Ann Actor"));
        d.SetRegie(QStringLiteral("Dora Director"));
        d.SetBildpfad(QString::fromUtf8(t.cover));
        return d;
    }

    // Writes the list file "lists/l.adl" with covers 60 x 90 and returns its path.
    QString writeList(std::initializer_list<Title> titles)
    {
        clsDatentraegerList list;
        for (const Title& t : titles) {
            list.AddDVD(title(t));
            if (*t.cover && !QFileInfo::exists(folder.file(QString::fromUtf8(t.cover))))
                makePicture(QString::fromUtf8(t.cover), 60, 90, "JPG");
        }
        const QString path = folder.file(QStringLiteral("lists/l.adl"));
        QDir().mkpath(QFileInfo(path).absolutePath());
        list.Save(path);
        return path;
    }

    // Starts the window as the program does, and shows it.
    void start()
    {
        window->Form_Load();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <class T = QWidget>
    T* child(const char* name) const
    {
        T* c = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QString field(const char* name) const { return child<ucText>(name)->text(); }
    QString filmname() const { return child<ucTitle>("ucFilmname")->Caption(); }
    QString position() const { return child<QLabel>("lbPos")->text(); }
    QString status() const { return window->Statusleiste()->text(); }
};
