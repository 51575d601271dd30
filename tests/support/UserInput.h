#pragma once

#include "controls/ucEntry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QTest>

#include <cstdint>

// What the page tests do and read as a user would, shared by the tests on
// the fake host and those on the whole window.
namespace UserInput {

// Types into an entry as a user does: the old text is replaced.
inline void type(ucEntry* e, const QString& text)
{
    QLineEdit* box = e->Style() == 2 ? e->findChild<QComboBox*>(QStringLiteral("combo"))->lineEdit()
                                     : e->findChild<QLineEdit*>(QStringLiteral("text"));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 128;
    if (ascii)
        QTest::keyClicks(box, text);
    else
        box->insert(text); // as a paste: key events know only ASCII
}

// Writes an entry's text as the program does, past the typing limit.
inline void put(ucEntry* e, const QString& text)
{
    const std::int16_t limit = e->MaxCharacters();
    e->setMaxCharacters(0);
    e->setValue(text);
    e->setMaxCharacters(limit);
}

// The texts of a list's items, in its order.
inline QStringList items(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

} // namespace UserInput
