#pragma once

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QWidget>
#include <cstdint>
#include <type_traits>

// Small helpers the pages share for their own controls.
namespace PageControls {

// A hidden control on the client area, found by its name. A label shows its
// text as it is, never as markup.
template <class W>
W* make(QWidget* parent, const QString& name)
{
    auto* w = new W(parent);
    w->setObjectName(name);
    if constexpr (std::is_base_of_v<QLabel, W>)
        w->setTextFormat(Qt::PlainText);
    w->hide();
    return w;
}

template <class W>
W* make(QWidget* parent, const char* name)
{
    return make<W>(parent, QString::fromLatin1(name));
}

constexpr int kButtonHeight = 25;

inline QPushButton* makeButton(QWidget* parent, const char* name)
{
    auto* b = make<QPushButton>(parent, name);
    b->setFont(FontHelper::buttonFont());
    b->resize(b->width(), kButtonHeight);
    return b;
}

// Text and background colour of a plain Qt control.
inline void setColors(QWidget* w, Color font, Color back)
{
    ColorHelper::setLabelColors(w, font, back);
    ColorHelper::setBoxColors(w, font, back);
    w->setAutoFillBackground(true);
}

} // namespace PageControls
