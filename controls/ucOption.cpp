#include "controls/ucOption.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"
#include "controls/PlainText.h"

#include <QRadioButton>
#include <algorithm>

ucOption::ucOption(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ucOption"));
    setAutoFillBackground(true);
    auto* first = new QRadioButton(QStringLiteral("OptionBox"), this);
    first->setObjectName(QStringLiteral("Optionlist"));
    first->setProperty("index", 0);
    first->setFont(FontHelper::labelFont());
    first->setAutoFillBackground(true);
    first->resize(100, first->sizeHint().height());
    // Selected() answers 1 until the user chooses: the list shows it so.
    first->setChecked(true);
    m_options << first;
    connect(first, &QRadioButton::clicked, this, [this] { m_selected = 1; });
    setStyle(2, 0, 0, QStringLiteral("Caption"));
    setColors(0, 65280);
}

QRadioButton* ucOption::option(int index) const
{
    return index >= 0 && index < m_options.size() ? m_options[index] : nullptr;
}

int ucOption::indexOf(std::int16_t number) const
{
    return std::clamp(static_cast<int>(number), 1, static_cast<int>(m_options.size())) - 1;
}

std::int16_t ucOption::OptionFieldHeight() const { return static_cast<std::int16_t>(m_options[0]->height()); }

void ucOption::setSelected(std::int16_t number)
{
    const int i = indexOf(number);
    m_selected = static_cast<std::int16_t>(i + 1);
    m_options[i]->setChecked(true);
}

void ucOption::setAlignment(std::uint8_t alignment)
{
    m_alignment = alignment;
    if (alignment > 1)
        return;
    for (QRadioButton* o : m_options)
        o->setLayoutDirection(alignment == 1 ? Qt::RightToLeft : Qt::LeftToRight);
}

void ucOption::setFontcolor(Color color) { setColors(color, m_backColor); }
void ucOption::setBackColor(Color color) { setColors(m_fontcolor, color); }

void ucOption::SetCaption(std::int16_t number, const QString& caption) { m_options[indexOf(number)]->setText(caption); }

QString ucOption::GetCaption(std::int16_t number) const { return m_options[indexOf(number)]->text(); }

void ucOption::setTooltip(std::int16_t number, const QString& text)
{
    m_options[indexOf(number)]->setToolTip(PlainText::toolTip(text));
}

void ucOption::setColors(Color fontcolor, Color backColor)
{
    m_fontcolor = fontcolor;
    m_backColor = backColor;
    ColorHelper::setColorRole(this, QPalette::Window, backColor);
    // Buttons fill their background from the Button role and may draw their
    // text with ButtonText, so both pairs of roles are set.
    for (QRadioButton* o : m_options)
        ColorHelper::setButtonColors(o, fontcolor, backColor);
}

void ucOption::setStyle(std::int16_t size, std::uint8_t alignment, std::int16_t left, const QString& caption)
{
    m_listSize = std::max<std::int16_t>(0, size);
    m_alignment = alignment;
    m_left = left;
    m_captionStem = caption;
    QRadioButton* first = m_options[0];
    for (int i = static_cast<int>(m_options.size()); i < m_listSize; ++i) {
        auto* o = new QRadioButton(first->text(), this);
        o->setObjectName(QStringLiteral("Optionlist"));
        o->setProperty("index", i);
        o->setFont(first->font());
        o->setPalette(first->palette());
        o->setAutoFillBackground(true);
        o->setLayoutDirection(first->layoutDirection());
        o->resize(first->size());
        connect(o, &QRadioButton::clicked, this, [this, i] { m_selected = static_cast<std::int16_t>(i + 1); });
        m_options << o;
        o->show();
    }
    const int height = first->height();
    const int width = std::max(0, this->width() - 2 * left);
    for (int i = 0; i < m_options.size(); ++i) {
        QRadioButton* o = m_options[i];
        o->setGeometry(left, i * height, width, height);
        if (o->text().isEmpty())
            o->setText(caption + QString::number(i + 1));
        o->setToolTip(QString());
    }
    setAlignment(m_alignment);
}

void ucOption::SetDesign(std::int16_t size, std::uint8_t alignment, std::int16_t left, const QString& caption,
                         Color fontcolor, Color backColor)
{
    setStyle(size, alignment, left, caption);
    setColors(fontcolor, backColor);
}

void ucOption::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    setStyle(m_listSize, m_alignment, m_left, m_captionStem);
    setColors(m_fontcolor, m_backColor);
}
