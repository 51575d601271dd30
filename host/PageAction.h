#pragma once

#include "host/PageHost.h"
#include "platform/RuntimeError.h"

#include <QString>

#include <utility>

// The one place where a run-time error of an action becomes what the user
// sees. Anything else is a programming error and is not hidden here.

// What follows a status message to say why it failed: " (cause)", or
// nothing when there is no cause to tell.
inline QString causeSuffix(const QString& cause)
{
    return cause.isEmpty() ? QString() : QStringLiteral(" (") + cause + u')';
}

// The file and the cause, as the error names them.
inline QString causeSuffix(const RuntimeError& error) { return causeSuffix(error.detail()); }

// For windows that are not pages (the shelf, the admin tools) and for actions
// whose failure shows as more than one status message: a run-time error
// stops the action and goes to onError, which shows what the action shows.
template <class F, class OnError>
bool runAction(F&& action, OnError&& onError)
{
    try {
        std::forward<F>(action)();
        return true;
    } catch (const RuntimeError& error) {
        std::forward<OnError>(onError)(error);
        return false;
    }
}

// A page action: a run-time error becomes the action's status message
// followed by its cause.
template <class F>
bool runAction(PageHost& host, int failureMessage, F&& action)
{
    return runAction(std::forward<F>(action),
                     [&](const RuntimeError& error) { host.StatusMsg(failureMessage, causeSuffix(error)); });
}
