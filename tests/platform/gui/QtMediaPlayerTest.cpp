#include "platform/gui/QtMediaPlayerService.h"
#include "platform/gui/QtScreenService.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(QtMediaPlayer, DrawsIntoAChildOfTheWindowAndOutlivesItSafely)
{
    QtMediaPlayerService service;
    auto window = std::make_unique<QWidget>();
    std::unique_ptr<MediaPlayer> player = service.createPlayer(window.get());
    ASSERT_NE(player->view(), nullptr);
    EXPECT_EQ(player->view()->parentWidget(), window.get());
    player->setStretchToFit(true);

    // The window, and with it the view, may go first.
    window.reset();
    EXPECT_EQ(player->view(), nullptr);
    player->setStretchToFit(false);
    player->stop();
    player.reset();
}

TEST(QtScreen, HasTheSizeOfADesktop)
{
    const QSize size = QtScreenService().size();
    EXPECT_GT(size.width(), 0);
    EXPECT_GT(size.height(), 0);
}

} // namespace
