#pragma once

#include "controls/ucEntry.h"
#include "controls/ucText.h"
#include "data/clsDatentraeger.h"
#include "tests/support/TestTitles.h"
#include "tests/support/UserInput.h"
#include "tests/mainwindow/frame/FrameFixture.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The frame's main window, styled, laid out and shown, with its collection
// stored in lists/test.adl and the online service answered by a double.
class EditPagesTest : public FrameTest {
protected:
    EditPagesTest()
    {
        window->session().Options().setDvdListpath(listPath());
        window->SetLanguageAndDesign();
        window->SetAllSizes(800, 600);
        window->show();
    }

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
            window->session().DVDListe().AddDVD(title(n));
    }

    QStringList storedNames() const { return TestTitles::namesIn(listPath()); }

    template <class T = QWidget>
    T* child(const QString& name) const
    {
        T* c = window->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }

    ucEntry* entry(const QString& name) const { return child<ucEntry>(name); }

    // Types into an entry as a user does: the old text is replaced.
    void type(const QString& entryName, const QString& text) { UserInput::type(entry(entryName), text); }

    void click(const QString& buttonName) { QTest::mouseClick(child<QPushButton>(buttonName), Qt::LeftButton); }

    QString status() const { return window->Statusleiste()->text(); }

    QStringList listItems(const QString& name) const { return UserInput::items(child<QListWidget>(name)); }

    RecordingHttp http;
};
