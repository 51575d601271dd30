#pragma once

#include "platform/RuntimeError.h"

#include <functional>
#include <gtest/gtest.h>

// The kind of the run-time error that f throws; a test failure when it throws none.
inline ErrorKind errorKindOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.kind();
    }
    ADD_FAILURE() << "no run-time error";
    return ErrorKind::Argument;
}

// The detail of the run-time error that f throws (what the user is shown
// behind the message); a test failure when it throws none.
inline QString errorDetailOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.detail();
    }
    ADD_FAILURE() << "no run-time error";
    return QString();
}
