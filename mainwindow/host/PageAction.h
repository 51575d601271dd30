#pragma once

#include "mainwindow/host/PageHost.h"
#include "platform/RuntimeError.h"

#include <utility>

// The one place where a run-time error of a page action becomes what the
// user sees: the action's status message. Anything else is a programming
// error and is not hidden here.
template <class F>
bool runAction(PageHost& host, int failureMessage, F&& action)
{
    try {
        std::forward<F>(action)();
        return true;
    } catch (const RuntimeError&) {
        host.StatusMsg(failureMessage);
        return false;
    }
}
