#pragma once

#include "data/Design.h"
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

// A vertical bar chart of up to 40 values built from child widgets: title,
// plot with guide lines and scale labels, numbered boxes under the bars and
// a legend. Properties only store; SetDiagram draws.
class ucBarDiagram : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxBars = 40;

    explicit ucBarDiagram(QWidget* parent = nullptr);

    Color barColor() const { return m_barColor; }
    void setbarColor(Color color) { m_barColor = color; }
    Color fontcolor() const { return m_fontcolor; }
    void setfontcolor(Color color) { m_fontcolor = color; }
    Color fontcolor2() const { return m_fontcolor2; }
    void setfontcolor2(Color color) { m_fontcolor2 = color; }
    Color bgcolor() const { return m_bgcolor; }
    void setbgcolor(Color color) { m_bgcolor = color; }
    Color backColor() const { return m_backColor; }
    void setbackColor(Color color) { m_backColor = color; }

    std::int16_t barCount() const { return m_barCount; }
    // Kept within 0 to 40, the bars the chart can draw.
    void setbarCount(std::int16_t count);
    std::int16_t barHeight() const { return m_barHeight; }
    void setbarHeight(std::int16_t height) { m_barHeight = height; }
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption) { m_caption = caption; }
    bool BetweenLineVisible() const { return m_betweenLineVisible; }
    void setBetweenLineVisible(bool visible) { m_betweenLineVisible = visible; }

    // Indices 0 to 41; others are an index error.
    double barvalue(int index) const;
    void setbarvalue(int index, double value);
    QString barCaption(int index) const;
    void setbarCaption(int index, const QString& caption);

    void SetBar(std::int16_t index, const QString& caption, double value);
    void Clear();
    void SetDiagram();

    // The largest value found by the last SetDiagram.
    double maximum() const { return m_maximum; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr int kSlots = 42;

    // Removes the bars above keep.
    void removeBars(int keep);
    void createBars(int count);
    int barPixelHeight(int index) const;
    void layOut(int count);
    void applyColors(int count);
    void applyTexts(int count);
    void fitLegendHeight();

    Color m_barColor = 255;
    Color m_fontcolor = 0;
    Color m_fontcolor2 = 0;
    Color m_bgcolor = 65535;
    Color m_backColor = 65280;
    std::int16_t m_barCount = 20;
    std::array<double, kSlots> m_barvalue{};
    std::array<QString, kSlots> m_barCaption;
    std::int16_t m_barHeight = 200;
    QString m_caption;
    bool m_betweenLineVisible = true;
    double m_maximum = 0.0;
    // The legend text last shown; laying it out again costs.
    QString m_legend;

    QLabel* m_lbCaption;
    QWidget* m_shapeBG;
    QWidget* m_shapeBG2;
    QWidget* m_shapeBG3;
    std::array<QWidget*, kMaxBars + 1> m_sBar{};
    std::array<QLineEdit*, kMaxBars + 1> m_lBarCaption{};
    QPlainTextEdit* m_txtIndex;
    QLabel* m_label44;
    QLabel* m_label34;
    QLabel* m_label24;
    QLabel* m_label14;
    QLabel* m_label04;
    QWidget* m_line1;
    QWidget* m_line2;
    QWidget* m_line3;
};
