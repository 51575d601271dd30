#include "controls/ColorHelper.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include <cstdint>

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

bool ColorHelper::isSystemColor(Color value) { return (static_cast<std::uint32_t>(value) & 0xFFFFFF00u) == 0x80000000u; }

QColor ColorHelper::toQColor(Color value)
{
    const auto v = static_cast<std::uint32_t>(value);
    if (isSystemColor(value)) {
        QPalette::ColorGroup group;
        const QPalette::ColorRole role = roleOf(static_cast<int>(v & 0xFF), group);
        return QApplication::palette().color(group, role);
    }
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

Color ColorHelper::fromQColor(const QColor& color)
{
    return static_cast<Color>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

void ColorHelper::setColorRole(QWidget* w, QPalette::ColorRole role, Color color)
{
    QPalette p = w->palette();
    p.setColor(role, toQColor(color));
    w->setPalette(p);
}

void ColorHelper::setLabelColors(QWidget* w, Color font, Color back)
{
    setColorRole(w, QPalette::WindowText, font);
    setColorRole(w, QPalette::Window, back);
}

void ColorHelper::setBoxColors(QWidget* w, Color text, Color base)
{
    setColorRole(w, QPalette::Text, text);
    setColorRole(w, QPalette::Base, base);
}

void ColorHelper::setButtonColors(QWidget* w, Color text, Color back)
{
    const QColor fore = toQColor(text);
    const QColor face = toQColor(back);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, face);
    p.setColor(QPalette::Button, face);
    p.setColor(QPalette::WindowText, fore);
    p.setColor(QPalette::ButtonText, fore);
    w->setPalette(p);
}

Design ColorHelper::fourColors(Color font, Color back, Color entryFont, Color entryBack)
{
    return Design{font, back, entryFont, entryBack, 0};
}
