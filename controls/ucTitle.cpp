#include "controls/ucTitle.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"

#include <QLabel>
#include <QMouseEvent>

#include <cmath>

namespace {

constexpr int kTwipsPerCharacter = 230;
constexpr double kLargeSize = 16;
constexpr double kSmallSize = 10;
constexpr int kLargeTop = 30;
constexpr int kSmallTop = 100;

} // namespace

ucTitle::ucTitle(QWidget* parent)
    : QWidget(parent)
    , m_widthTwips(4800)
    , m_heightTwips(600)
{
    m_label = new QLabel(QStringLiteral("ucTitle"), this);
    m_label->setObjectName(QStringLiteral("Label"));
    m_label->setTextFormat(Qt::PlainText); // film names are shown as typed
    m_label->installEventFilter(this);
    m_label->setAutoFillBackground(true);
    setAutoFillBackground(true);
    setfontcolor(m_fontcolor);
    setbackColor(m_backColor);
    applyFont(kLargeSize, kLargeTop);
    resize(toPixels(m_widthTwips), toPixels(m_heightTwips));
    layOutLabel();
}

int ucTitle::toPixels(int twips) { return static_cast<int>(std::lround(twips / double(kTwipsPerPixel))); }

int ucTitle::widthTwips() const
{
    // A size set in pixels from outside counts as whole pixels.
    return toPixels(m_widthTwips) == width() ? m_widthTwips : width() * kTwipsPerPixel;
}

int ucTitle::heightTwips() const
{
    return toPixels(m_heightTwips) == height() ? m_heightTwips : height() * kTwipsPerPixel;
}

void ucTitle::resizeTwips(int width, int height)
{
    m_widthTwips = width;
    m_heightTwips = height;
    resize(toPixels(width), toPixels(height));
    layOutLabel();
}

QString ucTitle::Caption() const { return m_label->text(); }

void ucTitle::setCaption(const QString& caption)
{
    m_label->setText(caption);
    if (labelWidthTwips() < kTwipsPerCharacter * caption.size())
        applyFont(kSmallSize, kSmallTop);
    else
        applyFont(kLargeSize, kLargeTop);
}

void ucTitle::setfontcolor(Color color)
{
    m_fontcolor = color;
    ColorHelper::setColorRole(m_label, QPalette::WindowText, color);
}

void ucTitle::setbackColor(Color color)
{
    m_backColor = color;
    for (QWidget* w : {static_cast<QWidget*>(m_label), static_cast<QWidget*>(this)})
        ColorHelper::setColorRole(w, QPalette::Window, color);
}

void ucTitle::applyFont(double size, int topTwips)
{
    m_fontSize = size;
    m_labelTopTwips = topTwips;
    m_label->setFont(FontHelper::labelFont(size));
    layOutLabel();
}

void ucTitle::layOutLabel()
{
    m_label->setGeometry(0, toPixels(m_labelTopTwips), width(), toPixels(labelHeightTwips()));
}

void ucTitle::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOutLabel();
}

bool ucTitle::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_label) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            emit MouseDown();
            break;
        case QEvent::MouseButtonRelease: {
            auto* me = static_cast<QMouseEvent*>(event);
            if (me->button() == Qt::LeftButton && m_label->rect().contains(me->position().toPoint()))
                emit Click();
            break;
        }
        case QEvent::MouseButtonDblClick:
            emit DblClick();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
