#include "platform/gui/QtSoundService.h"

#include <QEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Notes whether the sound player existed when the window was first painted.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(const QtSoundService& sounds) : m_sounds(sounds) {}
    bool painted = false;
    bool playerAtPaint = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            playerAtPaint = m_sounds.playerMade();
        }
        return false;
    }

private:
    const QtSoundService& m_sounds;
};

TEST(QtSound, PlayerIsMadeForTheFirstSoundAfterTheWindowIsPainted)
{
    QtSoundService sounds;
    EXPECT_FALSE(sounds.playerMade());

    // The start sound is asked for before the window is shown.
    sounds.play(QStringLiteral("/nonexistent/start.wav"));
    EXPECT_FALSE(sounds.playerMade());
    QWidget window;
    FirstPaint paint(sounds);
    window.installEventFilter(&paint);
    window.resize(200, 100);
    window.show();

    EXPECT_TRUE(QTest::qWaitFor([&] { return sounds.playerMade(); }, 20000));
    EXPECT_TRUE(paint.painted);
    EXPECT_FALSE(paint.playerAtPaint);

    // Later sounds go to the same player at once.
    sounds.play(QStringLiteral("/nonexistent/click.wav"));
    EXPECT_TRUE(sounds.playerMade());
}

TEST(QtSound, ServiceGoneBeforeItsPlayerWasMadeIsNoFault)
{
    {
        QtSoundService sounds;
        sounds.play(QStringLiteral("/nonexistent/start.wav"));
    }
    QTest::qWait(50); // the idle loop finds nothing left to do
    SUCCEED();
}

} // namespace
