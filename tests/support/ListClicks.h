#pragma once

#include <QListWidget>
#include <QTest>

// Clicks a line of a list with the mouse, as a user does: press and release
// on the viewport at the line's place.
inline void clickListItem(QListWidget* list, QListWidgetItem* item)
{
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// The line of that text, clicked; false when the list holds no such line.
inline bool clickListItem(QListWidget* list, const QString& text)
{
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    if (found.size() != 1)
        return false;
    clickListItem(list, found.first());
    return true;
}
