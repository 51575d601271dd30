#pragma once

#include <QTest>
#include <gtest/gtest.h>

// Qt's QTRY_COMPARE reports a timeout to QTest, not to GoogleTest, and then
// returns from the test as if it had passed. This waits the same way and lets
// GoogleTest judge the last value.
#define EXPECT_EVENTUALLY_EQ(actual, expected)                                                                         \
    do {                                                                                                               \
        QTest::qWaitFor([&] { return (actual) == (expected); }, 5000);                                                 \
        EXPECT_EQ(actual, expected);                                                                                   \
    } while (false)
