#include "controls/ucLabelledField.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"
#include "controls/PlainText.h"

#include <QLabel>

ucLabelledField::ucLabelledField(QWidget* parent, const QString& labelName, std::int16_t labelwidth, Color backColor)
    : QWidget(parent), m_label(new QLabel(this)), m_labelwidth(labelwidth)
{
    setAutoFillBackground(true);
    m_label->setObjectName(labelName);
    m_label->setFont(FontHelper::labelFont());
    m_label->setTextFormat(Qt::PlainText);
    m_colors.background = backColor;
}

void ucLabelledField::setCaption(const QString& caption)
{
    m_caption = caption;
    m_label->setText(caption + QLatin1Char(':'));
}

void ucLabelledField::setLabelwidth(std::int16_t width)
{
    m_labelwidth = width;
    relayout();
}

void ucLabelledField::setMargin(std::int16_t margin)
{
    m_margin = margin;
    relayout();
}

QString ucLabelledField::shownToolTip() const { return PlainText::toolTip(m_toolTipText); }

void ucLabelledField::setToolTipText(const QString& text)
{
    m_toolTipText = text;
    const QString tip = shownToolTip();
    m_label->setToolTip(tip);
    for (QWidget* w : toolTipWidgets())
        w->setToolTip(tip);
}

void ucLabelledField::setFontcolor(Color c) { applyColors(c, backColor(), EntryFontColor(), EntryBackColor()); }
void ucLabelledField::setBackColor(Color c) { applyColors(fontcolor(), c, EntryFontColor(), EntryBackColor()); }
void ucLabelledField::setEntryFontColor(Color c) { applyColors(fontcolor(), backColor(), c, EntryBackColor()); }
void ucLabelledField::setEntryBackColor(Color c) { applyColors(fontcolor(), backColor(), EntryFontColor(), c); }

void ucLabelledField::setColors(const Design& d)
{
    applyColors(d.font, d.background, d.entryFont, d.entryBackground);
}

void ucLabelledField::applyColors(Color font, Color back, Color entryFont, Color entryBack)
{
    m_colors.font = font;
    m_colors.background = back;
    m_colors.entryFont = entryFont;
    m_colors.entryBackground = entryBack;
    ColorHelper::setColorRole(this, QPalette::Window, back);
    ColorHelper::setColorRole(m_label, QPalette::WindowText, font);
    paintParts(font, back, entryFont, entryBack);
}
