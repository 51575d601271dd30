#pragma once

#include "data/Design.h"

#include <QString>
#include <QWidget>

#include <cstdint>

class QLabel;

// What the labelled entry and the labelled text share: a caption label at
// the left margin, its width, a tooltip, and the four colours of a design
// (caption text, background, entry text, entry background).
class ucLabelledField : public QWidget {
public:
    QString Caption() const { return m_caption; }
    // The label shows the caption followed by ":".
    void setCaption(const QString& caption);
    std::int16_t Labelwidth() const { return m_labelwidth; }
    void setLabelwidth(std::int16_t width);
    std::int16_t Margin() const { return m_margin; }
    void setMargin(std::int16_t margin);
    QString ToolTipText() const { return m_toolTipText; }
    void setToolTipText(const QString& text);

    Color fontcolor() const { return m_colors.font; }
    void setFontcolor(Color color);
    Color backColor() const { return m_colors.background; }
    void setBackColor(Color color);
    Color EntryFontColor() const { return m_colors.entryFont; }
    void setEntryFontColor(Color color);
    Color EntryBackColor() const { return m_colors.entryBackground; }
    void setEntryBackColor(Color color);
    // The design's colours but the rating.
    void setColors(const Design& design);

protected:
    ucLabelledField(QWidget* parent, const QString& labelName, std::int16_t labelwidth, Color backColor);

    QLabel* captionLabel() const { return m_label; }
    // The tooltip as a box shows it: the text as typed, never markup.
    QString shownToolTip() const;
    // Lays the parts out for the current style, label width and margin.
    virtual void relayout() = 0;
    // Writes the colours into the control's own parts besides the label.
    virtual void paintParts(Color font, Color back, Color entryFont, Color entryBack) = 0;
    // The boxes that show the tooltip besides the label.
    virtual QList<QWidget*> toolTipWidgets() const = 0;

    // Sets the geometry values without laying out (the owner lays out once).
    void storeGeometry(std::int16_t labelwidth, std::int16_t margin)
    {
        m_labelwidth = labelwidth;
        m_margin = margin;
    }
    // Stores and paints the four colours.
    void applyColors(Color font, Color back, Color entryFont, Color entryBack);

private:
    QLabel* m_label;
    QString m_caption;
    std::int16_t m_labelwidth;
    std::int16_t m_margin = 5;
    QString m_toolTipText;
    Design m_colors;
};
