#include "platform/RandomSource.h"
#include "platform/RuntimeError.h"
#include "tests/support/ScriptedMessages.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// An object whose event handler fails the way a page action might.
class Throwing : public QObject {
public:
    int handled = 0;
    bool event(QEvent* e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        ++handled;
        throw RuntimeError(ErrorKind::InputOutput, QStringLiteral("favorites.txt could not be read"));
    }
};

TEST(Application, AnExceptionEscapingAHandlerIsShownAndTheProgramGoesOn)
{
    ScriptedMessages messages;
    messages.expectMessage().expectMessage();
    Throwing object;

    QEvent sent(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&object, &sent));
    QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
    QCoreApplication::processEvents();

    EXPECT_EQ(object.handled, 2);
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("favorites.txt could not be read")));
    EXPECT_EQ(messages.titles[0], QStringLiteral("QuorDVD"));

    // The event loop still runs afterwards.
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    QCoreApplication::processEvents();
    EXPECT_TRUE(ran);
}

// A handler that reaches a service nobody installed.
class MissingSeam : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        Random::get();
        return true;
    }
};

TEST(ApplicationDeathTest, AMissingSeamEndsTheProgramInsteadOfShowingABox)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            // A box would be answered here; the program must end before it.
            ScriptedMessages messages;
            messages.expectMessage();
            MissingSeam object;
            QEvent sent(QEvent::User);
            QCoreApplication::sendEvent(&object, &sent);
        },
        "no implementation installed");
}

} // namespace
