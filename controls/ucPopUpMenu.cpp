#include "controls/ucPopUpMenu.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"
#include "platform/RuntimeError.h"

#include <QLabel>
#include <QMouseEvent>

#include <cmath>

namespace {

constexpr int kEntryHeight = 255;
constexpr int kEntryWidth = 2775;
constexpr int kEntryPitch = 240;
constexpr Color kMenuColor = static_cast<Color>(0x80000004u);
constexpr Color kHighlightColor = static_cast<Color>(0x8000000Du);

using Signal = void (ucPopUpMenu::*)();
constexpr Signal kClicked[] = {&ucPopUpMenu::element1Clicked, &ucPopUpMenu::element2Clicked,
                               &ucPopUpMenu::element3Clicked, &ucPopUpMenu::element4Clicked,
                               &ucPopUpMenu::element5Clicked, &ucPopUpMenu::element6Clicked};
constexpr Signal kMouseover[] = {&ucPopUpMenu::element1Mouseover, &ucPopUpMenu::element2Mouseover,
                                 &ucPopUpMenu::element3Mouseover, &ucPopUpMenu::element4Mouseover,
                                 &ucPopUpMenu::element5Mouseover, &ucPopUpMenu::element6Mouseover};

int entryTop(int k) { return k * kEntryPitch; }

} // namespace

ucPopUpMenu::ucPopUpMenu(QWidget* parent)
    : QWidget(parent)
    , m_widthTwips(kEntryWidth)
    , m_heightTwips(entryTop(kEntries - 1) + kEntryHeight)
{
    setFocusPolicy(Qt::ClickFocus);
    for (int k = 0; k < kEntries; ++k) {
        auto* lb = new QLabel(QStringLiteral("Elemente"), this);
        lb->setObjectName(QStringLiteral("lb(%1)").arg(k));
        lb->setFont(FontHelper::labelFont(9.75));
        lb->setTextFormat(Qt::PlainText);
        lb->setMouseTracking(true);
        lb->installEventFilter(this);
        m_lb[k] = lb;
        setEntryColor(k, false);
    }
    resize(static_cast<int>(std::lround(m_widthTwips / double(kTwipsPerPixel))),
           static_cast<int>(std::lround(m_heightTwips / double(kTwipsPerPixel))));
    layOutEntries();
}

int ucPopUpMenu::widthTwips() const
{
    // Pixel sizes set from outside count as whole pixels.
    return std::lround(m_widthTwips / double(kTwipsPerPixel)) == width() ? m_widthTwips : width() * kTwipsPerPixel;
}

int ucPopUpMenu::heightTwips() const
{
    return std::lround(m_heightTwips / double(kTwipsPerPixel)) == height() ? m_heightTwips
                                                                             : height() * kTwipsPerPixel;
}

QRect ucPopUpMenu::entryTwips(int k) const
{
    if (k < 0 || k >= kEntries)
        throw RuntimeError(ErrorKind::Index, QStringLiteral("entry %1 is out of range").arg(k));
    const int left = 0;
    return QRect(left, entryTop(k), widthTwips() - left, kEntryHeight);
}

void ucPopUpMenu::SetElementCount(std::uint8_t count)
{
    if (count < 1 || count > 5)
        return;
    for (int k = 0; k < kEntries; ++k)
        m_lb[k]->setVisible(k < count);
    m_heightTwips = entryTop(count - 1) + kEntryHeight;
    const int w = widthTwips();
    m_widthTwips = w;
    resize(width(), static_cast<int>(std::lround(m_heightTwips / double(kTwipsPerPixel))));
}

void ucPopUpMenu::SetCaption(std::uint8_t index, const QString& caption)
{
    if (index < 1 || index > kEntries)
        throw RuntimeError(ErrorKind::Index, QStringLiteral("entry %1 is out of range").arg(index));
    m_lb[index - 1]->setText(caption);
    m_captions[index - 1] = caption;
}

QString ucPopUpMenu::GetCaption(std::uint8_t index) const
{
    if (index < 1 || index > kEntries)
        throw RuntimeError(ErrorKind::Index, QStringLiteral("entry %1 is out of range").arg(index));
    return m_captions[index - 1];
}

void ucPopUpMenu::setEntryColor(int k, bool highlighted)
{
    ColorHelper::setColorRole(m_lb[k], QPalette::Window, highlighted ? kHighlightColor : kMenuColor);
    m_lb[k]->setAutoFillBackground(true);
}

int ucPopUpMenu::entryOf(QObject* watched) const
{
    for (int k = 0; k < kEntries; ++k)
        if (m_lb[k] == watched)
            return k;
    return -1;
}

bool ucPopUpMenu::eventFilter(QObject* watched, QEvent* event)
{
    const int k = entryOf(watched);
    if (k < 0)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        for (int i = 0; i < kEntries; ++i)
            setEntryColor(i, false);
        setEntryColor(k, true);
        emit(this->*kMouseover[k])();
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            m_pressed = k;
        break;
    case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(event);
        const bool click = me->button() == Qt::LeftButton && m_pressed == k &&
                           m_lb[k]->rect().contains(me->position().toPoint());
        m_pressed = -1;
        if (click) {
            emit(this->*kClicked[k])();
            setEntryColor(k, false);
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void ucPopUpMenu::layOutEntries()
{
    for (int k = 0; k < kEntries; ++k) {
        const QRect t = entryTwips(k);
        const auto px = [](int twips) { return static_cast<int>(std::lround(twips / double(kTwipsPerPixel))); };
        m_lb[k]->setGeometry(px(t.left()), px(t.top()), px(t.width()), px(t.height()));
    }
}

void ucPopUpMenu::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOutEntries();
}

void ucPopUpMenu::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    for (int k = 0; k < kEntries; ++k)
        setEntryColor(k, false);
}
