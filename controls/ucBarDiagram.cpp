#include "controls/ucBarDiagram.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"
#include "controls/PlainText.h"
#include "data/clsStringFunctions.h"
#include "platform/Numbers.h"
#include "platform/RuntimeError.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QResizeEvent>

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <cmath>

namespace {

constexpr int kPitch = 20;
constexpr int kBarWidth = 17;
constexpr int kNumberBoxHeight = 13;
constexpr int kScaleLabelWidth = 65;
constexpr int kScaleLabelHeight = 14;
constexpr int kMinLegendHeight = 30;
// Small maxima would ask for ever more decimals; the scale column shows a few.
constexpr int kMaxDecimals = 10;

// One palette change per widget, none when it already shows these colours:
// each change is propagated and repainted, and the chart is redrawn often.
void setColors(QWidget* w, std::initializer_list<std::pair<QPalette::ColorRole, Color>> roles)
{
    QPalette pal = w->palette();
    for (const auto& [role, color] : roles)
        pal.setColor(role, ColorHelper::toQColor(color));
    if (w->testAttribute(Qt::WA_SetPalette) && pal.resolveMask() == w->palette().resolveMask() && pal == w->palette())
        return;
    w->setPalette(pal);
}

void setBack(QWidget* w, Color color)
{
    setColors(w, {{QPalette::Window, color}, {QPalette::Base, color}});
    w->setAutoFillBackground(true);
}

void setFore(QWidget* w, Color color) { setColors(w, {{QPalette::WindowText, color}, {QPalette::Text, color}}); }

QWidget* makeShape(QWidget* parent, const QString& name)
{
    auto* shape = new QWidget(parent);
    shape->setObjectName(name);
    shape->setAutoFillBackground(true);
    return shape;
}

QLabel* makeScaleLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(FontHelper::labelFont(9.75));
    label->setTextFormat(Qt::PlainText);
    label->resize(kScaleLabelWidth, kScaleLabelHeight);
    return label;
}

QWidget* makeLine(QWidget* parent, const char* name)
{
    auto* line = new QWidget(parent);
    line->setObjectName(QLatin1String(name));
    QPalette pal = line->palette();
    pal.setColor(QPalette::Window, Qt::black);
    line->setPalette(pal);
    line->setAutoFillBackground(true);
    return line;
}

QLineEdit* makeNumberBox(QWidget* parent, int index)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QStringLiteral("lBarCaption(%1)").arg(index));
    box->setFont(FontHelper::labelFont());
    box->setFrame(false);
    box->setReadOnly(true);
    box->setTextMargins(0, 0, 0, 0);
    box->setContentsMargins(0, 0, 0, 0);
    box->resize(kBarWidth, kNumberBoxHeight);
    return box;
}

QString roundedText(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return Numbers::toText(Numbers::roundHalfEven(value * scale) / scale);
}

void checkIndex(int index, int slotCount)
{
    if (index < 0 || index >= slotCount)
        throw RuntimeError(ErrorKind::Index, QStringLiteral("bar %1 is out of range").arg(index));
}

} // namespace

ucBarDiagram::ucBarDiagram(QWidget* parent)
    : QWidget(parent)
{
    // Backgrounds first, so that bars, boxes and texts lie on top of them.
    m_shapeBG = makeShape(this, QStringLiteral("ShapeBG"));
    m_shapeBG2 = makeShape(this, QStringLiteral("ShapeBG2"));
    m_shapeBG3 = makeShape(this, QStringLiteral("ShapeBG3"));

    m_lbCaption = new QLabel(this);
    m_lbCaption->setObjectName(QStringLiteral("lbCaption"));
    m_lbCaption->setFont(FontHelper::labelFont(9.75));
    m_lbCaption->setTextFormat(Qt::PlainText);
    m_lbCaption->setGeometry(0, 0, 225, 17);
    m_lbCaption->setAutoFillBackground(true);

    m_line1 = makeLine(this, "Line1");
    m_line2 = makeLine(this, "Line2");
    m_line3 = makeLine(this, "Line3");
    m_label44 = makeScaleLabel(this, "Label44");
    m_label34 = makeScaleLabel(this, "Label34");
    m_label24 = makeScaleLabel(this, "Label24");
    m_label14 = makeScaleLabel(this, "Label14");
    m_label04 = makeScaleLabel(this, "Label04");
    m_label04->setText(QStringLiteral("0"));

    // Templates of the two arrays; never placed by the chart.
    m_sBar[0] = makeShape(this, QStringLiteral("sBar(0)"));
    m_sBar[0]->resize(kBarWidth, kBarWidth);
    m_sBar[0]->hide();
    m_lBarCaption[0] = makeNumberBox(this, 0);
    m_lBarCaption[0]->hide();

    m_txtIndex = new QPlainTextEdit(this);
    m_txtIndex->setObjectName(QStringLiteral("txtIndex"));
    m_txtIndex->setFont(FontHelper::labelFont());
    m_txtIndex->setReadOnly(true);
    m_txtIndex->setLineWrapMode(QPlainTextEdit::NoWrap);

    // A demo chart until the owner draws its own.
    for (int i = 1; i <= 20; ++i)
        SetBar(static_cast<std::int16_t>(i), QStringLiteral("Caption%1").arg(i), i * 500.0);
    SetDiagram();
    m_txtIndex->move(m_shapeBG->x(), m_txtIndex->y());
}

void ucBarDiagram::setbarCount(std::int16_t count)
{
    m_barCount = std::clamp<std::int16_t>(count, 0, kMaxBars);
}

double ucBarDiagram::barvalue(int index) const
{
    checkIndex(index, kSlots);
    return m_barvalue[index];
}

void ucBarDiagram::setbarvalue(int index, double value)
{
    checkIndex(index, kSlots);
    m_barvalue[index] = value;
}

QString ucBarDiagram::barCaption(int index) const
{
    checkIndex(index, kSlots);
    return m_barCaption[index];
}

void ucBarDiagram::setbarCaption(int index, const QString& caption)
{
    checkIndex(index, kSlots);
    m_barCaption[index] = caption;
}

void ucBarDiagram::SetBar(std::int16_t index, const QString& caption, double value)
{
    checkIndex(index, kSlots);
    m_barvalue[index] = value;
    m_barCaption[index] = caption;
}

void ucBarDiagram::Clear()
{
    m_barCount = 0;
    for (int i = 0; i <= kMaxBars; ++i) {
        m_barvalue[i] = 0.0;
        m_barCaption[i] = QStringLiteral("0");
    }
}

void ucBarDiagram::SetDiagram()
{
    const int count = m_barCount;
    removeBars(count);
    createBars(count);
    m_maximum = 0.0;
    for (int i = 1; i <= count; ++i)
        if (m_barvalue[i] > m_maximum)
            m_maximum = m_barvalue[i];
    layOut(count);
    applyColors(count);
    applyTexts(count);
    for (QWidget* w : {static_cast<QWidget*>(m_line1), m_line2, m_line3, static_cast<QWidget*>(m_label14),
                       static_cast<QWidget*>(m_label24), static_cast<QWidget*>(m_label34)})
        w->setVisible(m_betweenLineVisible);
    m_label44->show();
    m_label04->show();
}

// Bars up to the new count are kept and redrawn in place: making and
// showing the child widgets afresh was most of the cost of a redraw.
void ucBarDiagram::removeBars(int keep)
{
    for (int i = keep + 1; i <= kMaxBars; ++i) {
        delete m_sBar[i];
        m_sBar[i] = nullptr;
        delete m_lBarCaption[i];
        m_lBarCaption[i] = nullptr;
    }
}

void ucBarDiagram::createBars(int count)
{
    for (int i = 1; i <= count; ++i) {
        if (!m_sBar[i]) {
            m_sBar[i] = makeShape(this, QStringLiteral("sBar(%1)").arg(i));
            m_sBar[i]->resize(m_sBar[0]->size());
        }
        if (m_sBar[i]->isHidden())
            m_sBar[i]->show();
        if (!m_lBarCaption[i]) {
            m_lBarCaption[i] = makeNumberBox(this, i);
            m_lBarCaption[i]->resize(m_lBarCaption[0]->size());
        }
        if (m_lBarCaption[i]->isHidden())
            m_lBarCaption[i]->show();
    }
}

int ucBarDiagram::barPixelHeight(int index) const
{
    const double value = m_barvalue[index];
    if (m_maximum == 0.0 || value == 0.0)
        return 1;
    const double h = Numbers::roundHalfEven(value / m_maximum * m_barHeight);
    // Tiny, negative or undefined heights still show as a 1-pixel bar.
    if (!(h >= 1.0))
        return 1;
    return static_cast<int>(h);
}

void ucBarDiagram::layOut(int count)
{
    const int titleTop = m_lbCaption->y();
    const int titleHeight = m_lbCaption->height();
    const int plotLeft = 0;
    const int plotTop = titleTop + titleHeight;
    const int plotHeight = m_barHeight;
    const int plotWidth = count < 1 ? kBarWidth : kPitch * count - 3;
    const int plotBottom = plotTop + plotHeight;
    const int plotRight = plotLeft + plotWidth;

    m_lbCaption->resize(plotWidth, titleHeight);
    m_shapeBG->setGeometry(plotLeft, plotTop, plotWidth, plotHeight);
    const int numberRowHeight = m_lBarCaption[0]->height() + 5;
    m_shapeBG3->setGeometry(plotLeft, plotBottom, plotWidth + 5, numberRowHeight);
    m_shapeBG2->setGeometry(plotRight, titleTop, m_label04->width() + 5, plotHeight + numberRowHeight + titleHeight);

    const int level25 = plotTop + static_cast<int>(Numbers::intFloor(0.75 * plotHeight));
    const int level50 = plotTop + static_cast<int>(Numbers::intFloor(0.5 * plotHeight));
    const int level75 = plotTop + static_cast<int>(Numbers::intFloor(0.25 * plotHeight));
    const int lineWidth = std::max(0, plotRight - 2 - plotLeft);
    m_line1->setGeometry(plotLeft, level25, lineWidth, 1);
    m_line2->setGeometry(plotLeft, level50, lineWidth, 1);
    m_line3->setGeometry(plotLeft, level75, lineWidth, 1);

    const auto centre = [&](QLabel* label, int level) {
        label->move(plotRight + 5, level - label->height() / 2);
    };
    centre(m_label44, plotTop);
    centre(m_label34, level75);
    centre(m_label24, level50);
    centre(m_label14, level25);
    centre(m_label04, plotBottom);

    for (int i = 1; i <= count; ++i) {
        const int h = barPixelHeight(i);
        const int left = plotLeft + (i - 1) * kPitch;
        m_sBar[i]->setGeometry(left, plotBottom - h, m_sBar[i]->width(), h);
        m_lBarCaption[i]->setGeometry(left, plotBottom, m_sBar[i]->width(), m_lBarCaption[i]->height());
    }

    // Without bars the legend goes where the first number box would be.
    const int numberTop = count >= 1 ? m_lBarCaption[1]->y() : plotBottom;
    const int numberHeight = count >= 1 ? m_lBarCaption[1]->height() : m_lBarCaption[0]->height();
    m_txtIndex->setGeometry(plotLeft, numberTop + numberHeight + 5, plotWidth + m_shapeBG2->width(),
                            m_txtIndex->height());
    fitLegendHeight();
}

void ucBarDiagram::applyColors(int count)
{
    for (int i = 1; i <= count; ++i) {
        setBack(m_sBar[i], m_barColor);
        setColors(m_lBarCaption[i], {{QPalette::Window, m_backColor},
                                     {QPalette::Base, m_backColor},
                                     {QPalette::WindowText, m_fontcolor},
                                     {QPalette::Text, m_fontcolor}});
        m_lBarCaption[i]->setAutoFillBackground(true);
    }
    setBack(m_txtIndex, m_bgcolor);
    setFore(m_txtIndex, m_fontcolor2);
    setFore(m_lbCaption, m_fontcolor);
    setBack(m_lbCaption, m_backColor);
    for (QWidget* shape : {m_shapeBG, m_shapeBG2, m_shapeBG3})
        setBack(shape, m_backColor);
    for (QLabel* label : {m_label44, m_label34, m_label24, m_label14, m_label04})
        setFore(label, m_fontcolor);
}

void ucBarDiagram::applyTexts(int count)
{
    for (int i = 1; i <= count; ++i) {
        const QString number = QString::number(i);
        if (m_lBarCaption[i]->text() != number) // a kept box has its number already
            m_lBarCaption[i]->setText(number);
        m_lBarCaption[i]->setToolTip(PlainText::toolTip(m_barCaption[i]));
    }

    const double m = m_maximum;
    if (m <= 0) {
        for (QLabel* label : {m_label44, m_label34, m_label24, m_label14})
            label->setText(Numbers::toText(m));
    } else {
        const double wanted = Numbers::intFloor(5.0 / m);
        const int decimals = wanted > kMaxDecimals ? kMaxDecimals : static_cast<int>(wanted);
        m_label44->setText(Numbers::toText(m));
        m_label34->setText(roundedText(m * 0.75, decimals));
        m_label24->setText(roundedText(m * 0.5, decimals));
        m_label14->setText(roundedText(m * 0.25, decimals));
    }

    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        QString number = QString::number(i);
        QString value = Numbers::toText(m_barvalue[i]);
        const QString blank = QStringLiteral(" ");
        clsStringFunctions::SetStringToLength(number, 2, true, blank);
        clsStringFunctions::SetStringToLength(value, 5, true, blank);
        lines << number + QStringLiteral(" : ") + value + QStringLiteral(" - ") + m_barCaption[i];
    }
    const QString legend = lines.join(QLatin1Char('\n'));
    if (legend != m_legend) {
        m_legend = legend;
        m_txtIndex->setPlainText(legend);
    }

    m_lbCaption->setText(m_caption);
}

void ucBarDiagram::fitLegendHeight()
{
    m_txtIndex->resize(m_txtIndex->width(), std::max(kMinLegendHeight, height() - (m_txtIndex->y() + 5)));
}

void ucBarDiagram::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitLegendHeight();
}
