#pragma once

#include <QString>
#include <functional>

// How data classes put a numbered message on the main window's status line.
using StatusCallback = std::function<void(int number, const QString& suffix)>;
