#include "platform/gui/DialogTitle.h"

#include <QApplication>
#include <QFontMetrics>

namespace {

// Room that a title bar takes besides its text: icon, buttons and margins.
constexpr int kTitleBarExtra = 140;

} // namespace

int DialogTitle::width(const QString& title)
{
    QFont font = QApplication::font();
    font.setBold(true); // title bars mostly are
    return QFontMetrics(font).horizontalAdvance(title) + kTitleBarExtra;
}
