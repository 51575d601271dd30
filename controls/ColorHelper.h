#pragma once

#include "data/Design.h"

#include <QColor>
#include <QPalette>

class QWidget;

// Colours are kept as 32-bit values laid out 0x00BBGGRR; 0x800000nn names a
// system colour, taken from the application palette.
class ColorHelper {
public:
    static QColor toQColor(Color value);
    // The 0x00BBGGRR value of a colour (system colours are resolved).
    static Color fromQColor(const QColor& color);
    static bool isSystemColor(Color value);
    // Writes one colour into one role of a widget's palette.
    static void setColorRole(QWidget* w, QPalette::ColorRole role, Color color);
    // Text and background of a label or a plain widget.
    static void setLabelColors(QWidget* w, Color font, Color back);
    // Text and base of an entry box or a list.
    static void setBoxColors(QWidget* w, Color text, Color base);
    // Text and face of a button, also where the style paints it as a window.
    static void setButtonColors(QWidget* w, Color text, Color back);
    // The four colours of labels and entries as a design (the rating colour
    // stays black).
    static Design fourColors(Color font, Color back, Color entryFont, Color entryBack);
};
