#include "controls/ColorHelper.h"

#include <QApplication>
#include <QPalette>

namespace {

QPalette::ColorRole roleOf(int index, QPalette::ColorGroup& group)
{
    group = QPalette::Active;
    switch (index) {
    case 1:  return QPalette::Window;          // desktop
    case 2:  return QPalette::Highlight;       // active title bar
    case 3:  group = QPalette::Inactive; return QPalette::Highlight;
    case 4:  return QPalette::Window;          // menu bar
    case 5:  return QPalette::Base;            // window background
    case 6:  return QPalette::Shadow;          // window frame
    case 7:  return QPalette::WindowText;      // menu text
    case 8:  return QPalette::Text;            // window text
    case 9:  return QPalette::HighlightedText; // active title text
    case 10: return QPalette::Mid;             // active border
    case 11: group = QPalette::Inactive; return QPalette::Mid;
    case 12: return QPalette::Dark;            // application workspace
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;          // button face
    case 16: return QPalette::Dark;            // button shadow
    case 17: group = QPalette::Disabled; return QPalette::Text; // grey text
    case 18: return QPalette::ButtonText;
    case 19: group = QPalette::Inactive; return QPalette::HighlightedText;
    case 20: return QPalette::Light;           // 3D highlight
    case 21: return QPalette::Shadow;          // 3D dark shadow
    case 22: return QPalette::Midlight;        // 3D light
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return QPalette::Window;          // 0 scroll bars and anything unknown
    }
}

} // namespace

bool ColorHelper::isSystemColor(std::int64_t value) { return (value & 0xFFFFFF00LL) == 0x80000000LL; }

QColor ColorHelper::toQColor(std::int64_t value)
{
    if (isSystemColor(value)) {
        QPalette::ColorGroup group;
        const QPalette::ColorRole role = roleOf(static_cast<int>(value & 0xFF), group);
        return QApplication::palette().color(group, role);
    }
    const auto v = static_cast<std::uint32_t>(value);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

std::int64_t ColorHelper::fromQColor(const QColor& color)
{
    return static_cast<std::int64_t>(color.red()) | (static_cast<std::int64_t>(color.green()) << 8) |
           (static_cast<std::int64_t>(color.blue()) << 16);
}
