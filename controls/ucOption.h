#pragma once

#include "data/Design.h"
#include <QList>
#include <QString>
#include <QWidget>
#include <cstdint>

class QRadioButton;

// A vertical list of mutually exclusive option buttons whose number is set at
// run time. Owners read Selected() (1-based) when they act. Option numbers
// outside the existing options are taken as the nearest existing one.
class ucOption : public QWidget {
    Q_OBJECT
public:
    explicit ucOption(QWidget* parent = nullptr);

    std::int16_t OptionFieldHeight() const;
    std::int16_t ListSize() const { return m_listSize; }
    std::int16_t Selected() const { return m_selected; }
    void setSelected(std::int16_t number);
    // 0 button left of its caption, 1 right of it; other values are only kept.
    std::uint8_t Alignment() const { return m_alignment; }
    void setAlignment(std::uint8_t alignment);
    Color fontcolor() const { return m_fontcolor; }
    void setFontcolor(Color color);
    Color backColor() const { return m_backColor; }
    void setBackColor(Color color);

    void SetCaption(std::int16_t number, const QString& caption);
    QString GetCaption(std::int16_t number) const;
    void setTooltip(std::int16_t number, const QString& text);
    void setColors(Color fontcolor, Color backColor);
    // Creates options up to `size` (never removes any) and stacks every option
    // without gaps; empty captions become the stem followed by the number.
    void setStyle(std::int16_t size, std::uint8_t alignment, std::int16_t left, const QString& caption);
    void SetDesign(std::int16_t size, std::uint8_t alignment, std::int16_t left, const QString& caption,
                   Color fontcolor, Color backColor);

    // The option buttons, index 0 first.
    int optionCount() const { return static_cast<int>(m_options.size()); }
    QRadioButton* option(int index) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int indexOf(std::int16_t number) const; // 0-based, clamped to the existing options

    QList<QRadioButton*> m_options;
    std::int16_t m_selected = 1;
    std::int16_t m_listSize = 2;
    std::int16_t m_left = 0;
    QString m_captionStem = QStringLiteral("Caption");
    Color m_fontcolor = 0;
    Color m_backColor = 65280;
    std::uint8_t m_alignment = 0;
};
