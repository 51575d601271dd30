#include "exchange/Admin.h"
#include "tests/mainwindow/frame/FrameFixture.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace {

// The menu item opens the window beside the main window, one for the run.
TEST_F(FrameTest, AdminToolsMenuOpensTheMergeWindowModeless)
{
    QAction* item = window->menuAction("admintools");
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isVisible());
    EXPECT_EQ(window->menuBar()->actions().last(), item);
    window->show();

    item->trigger();
    const QList<Admin*> opened = window->findChildren<Admin*>();
    ASSERT_EQ(opened.size(), 1);
    Admin* admin = opened[0];
    EXPECT_TRUE(admin->isVisible());
    EXPECT_TRUE(admin->isWindow());
    EXPECT_FALSE(admin->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    item->trigger();
    EXPECT_EQ(window->findChildren<Admin*>().size(), 1);
    admin->close();
    EXPECT_FALSE(admin->isVisible());
    item->trigger();
    EXPECT_EQ(window->findChildren<Admin*>(), QList<Admin*>{admin});
    EXPECT_TRUE(admin->isVisible());
}

} // namespace
