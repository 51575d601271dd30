#pragma once

#include "data/Design.h"
#include "controls/clsFormFunctions.h"

#include <QString>
#include <QWidget>

#include <cstdint>

class QLabel;

// One line of large text, the film name above the title view; the font
// shrinks when the text would not fit the width. Geometry is kept in twips.
class ucTitle : public QWidget {
    Q_OBJECT
public:
    explicit ucTitle(QWidget* parent = nullptr);

    QString Caption() const;
    // Also picks the font size and the label's top for the text's length.
    void setCaption(const QString& caption);
    Color fontcolor() const { return m_fontcolor; }
    void setfontcolor(Color color);
    Color backColor() const { return m_backColor; }
    // Label and control together, so no border of another colour shows.
    void setbackColor(Color color);

    // Sizes the control in twips, without rounding them to whole pixels.
    void resizeTwips(int width, int height);
    int widthTwips() const;
    int heightTwips() const;
    int labelTopTwips() const { return m_labelTopTwips; }
    int labelWidthTwips() const { return widthTwips(); }
    int labelHeightTwips() const { return heightTwips() - kLabelInset; }
    double fontSize() const { return m_fontSize; }

signals:
    void Click();
    void DblClick();
    void MouseDown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr int kTwipsPerPixel = clsFormFunctions::kTwipsPerPixel;
    static constexpr int kLabelInset = 30;

    static int toPixels(int twips);
    void applyFont(double size, int topTwips);
    void layOutLabel();

    QLabel* m_label;
    Color m_fontcolor = 0;
    Color m_backColor = 65535;
    int m_widthTwips;
    int m_heightTwips;
    int m_labelTopTwips = kLabelInset;
    double m_fontSize = 16;
};
