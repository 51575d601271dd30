#pragma once

#include <QString>

// Window managers cut a title that is wider than its window; a dialog of
// the program is made at least as wide as its title needs.
namespace DialogTitle {

// The width a dialog needs so that the window manager shows its whole title.
int width(const QString& title);

} // namespace DialogTitle
