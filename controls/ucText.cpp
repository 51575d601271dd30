#include "controls/ucText.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"
#include "platform/Numbers.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kBoxThreshold = 50;
constexpr int kLabelThreshold = 5;

QString toPlainLines(const QString& text)
{
    QString s = text;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(u'\r', u'\n');
    return s;
}

QString toFileLines(const QString& plain)
{
    QString s = plain;
    s.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return s;
}

void setColorRole(QWidget* w, QPalette::ColorRole role, std::int64_t color)
{
    QPalette p = w->palette();
    p.setColor(role, ColorHelper::toQColor(color));
    w->setPalette(p);
}

int roundedPixel(double value) { return static_cast<int>(Numbers::roundHalfEven(value)); }

} // namespace

ucText::ucText(QWidget* parent)
    : QWidget(parent), m_label(new QLabel(this)), m_lbText(new QLabel(this)), m_textBox(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("ucText"));
    setAutoFillBackground(true);

    m_label->setObjectName(QStringLiteral("Label"));
    m_lbText->setObjectName(QStringLiteral("lbText"));
    for (QLabel* l : {m_label, m_lbText}) {
        l->setFont(FontHelper::labelFont());
        l->setTextFormat(Qt::PlainText);
        l->resize(100, l->fontMetrics().height());
    }
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_lbText->setAutoFillBackground(true);

    m_textBox->setObjectName(QStringLiteral("TextBox"));
    m_textBox->setFont(FontHelper::labelFont());
    m_textBox->setPlainText(QStringLiteral("Text1"));
    m_shown = m_textBox->toPlainText();
    m_textBox->viewport()->installEventFilter(this);
    connect(m_textBox, &QPlainTextEdit::textChanged, this, &ucText::onTextBoxChanged);

    applyStyle(QStringLiteral("Textbox"), 1, 5, 120);
    applyColors(m_fontcolor, m_backColor, m_entryFontColor, m_entryBackColor);
    setText(QString());
    setCaption(QStringLiteral("Textbox"));
}

void ucText::setBorderStyle(bool border)
{
    m_borderStyle = border;
    m_textBox->setFrameStyle(border ? (QFrame::StyledPanel | QFrame::Sunken) : QFrame::NoFrame);
    m_lbText->setFrameStyle(border ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    m_lbText->setLineWidth(1);
}

void ucText::setMarkStartpos(std::int32_t pos) { m_markStartpos = std::max<std::int32_t>(1, pos); }

void ucText::setCaptionAlign(std::uint8_t align)
{
    m_captionAlign = align;
    Qt::Alignment h = Qt::AlignLeft;
    if (align == 1)
        h = Qt::AlignRight;
    else if (align == 2)
        h = Qt::AlignHCenter;
    m_label->setAlignment(h | Qt::AlignVCenter);
}

void ucText::setLabelwidth(std::int16_t width) { applyStyle(m_caption, m_style, m_margin, width); }

void ucText::setLocked(bool locked)
{
    m_locked = locked;
    m_textBox->setReadOnly(locked);
}

void ucText::setToolTipText(const QString& text)
{
    m_toolTipText = text;
    m_label->setToolTip(text);
    m_textBox->setToolTip(text);
}

void ucText::setCaption(const QString& caption)
{
    m_caption = caption;
    m_label->setText(caption + QLatin1Char(':'));
}

void ucText::setText(const QString& text)
{
    m_text = text;
    const QString plain = toPlainLines(text);
    m_lbText->setText(plain);
    if (plain != m_textBox->toPlainText())
        m_textBox->setPlainText(plain);
}

void ucText::setStyle(std::uint8_t style) { applyStyle(m_caption, style, m_margin, m_labelwidth); }

void ucText::setFontcolor(std::int64_t c) { applyColors(c, m_backColor, m_entryFontColor, m_entryBackColor); }
void ucText::setBackColor(std::int64_t c) { applyColors(m_fontcolor, c, m_entryFontColor, m_entryBackColor); }
void ucText::setEntryFontColor(std::int64_t c) { applyColors(m_fontcolor, m_backColor, c, m_entryBackColor); }
void ucText::setEntryBackColor(std::int64_t c) { applyColors(m_fontcolor, m_backColor, m_entryFontColor, c); }

void ucText::MarkSearchText(const QString& search)
{
    const qsizetype found = m_text.indexOf(search, m_markStartpos - 1, Qt::CaseInsensitive);
    if (found < 0) {
        m_markStartpos = 1;
        return;
    }
    // The box shows one character per line end where the text holds two.
    const auto shownPos = [this](qsizetype pos) { return pos - m_text.left(pos).count(QLatin1String("\r\n")); };
    const qsizetype start = shownPos(found);
    const qsizetype end = shownPos(found + search.size());
    QTextCursor cursor(m_textBox->document());
    cursor.setPosition(static_cast<int>(start));
    cursor.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
    m_textBox->setTextCursor(cursor);
    m_textBox->setFocus();
    m_markStartpos = static_cast<std::int32_t>(found + 1 + search.size());
}

void ucText::SetDesign(const QString& caption, std::uint8_t style, std::int16_t margin, std::int64_t fontcolor,
                       std::int64_t backColor, std::int64_t entryFontColor, std::int64_t entryBackColor,
                       std::int16_t labelwidth, bool locked, bool borderStyle)
{
    applyStyle(caption, style, margin, labelwidth);
    applyColors(fontcolor, backColor, entryFontColor, entryBackColor);
    setLocked(locked);
    setBorderStyle(borderStyle);
}

void ucText::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyStyle(m_caption, m_style, m_margin, m_labelwidth);
}

void ucText::mousePressEvent(QMouseEvent* event)
{
    // Labels pass their presses on to here; the text box reports its own.
    if (!(m_textBox->isVisible() && m_textBox->geometry().contains(event->position().toPoint())))
        pressed(event->button());
    QWidget::mousePressEvent(event);
}

bool ucText::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == m_textBox->viewport())
        pressed(static_cast<QMouseEvent*>(event)->button());
    return QWidget::eventFilter(watched, event);
}

void ucText::pressed(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        emit ucLeftClicked();
    else if (button == Qt::RightButton)
        emit ucRightClicked();
}

void ucText::applyColors(std::int64_t fontcolor, std::int64_t backColor, std::int64_t entryFontColor,
                         std::int64_t entryBackColor)
{
    m_fontcolor = fontcolor;
    m_backColor = backColor;
    m_entryFontColor = entryFontColor;
    m_entryBackColor = entryBackColor;
    setColorRole(this, QPalette::Window, backColor);
    setColorRole(m_label, QPalette::WindowText, fontcolor);
    setColorRole(m_textBox, QPalette::Text, entryFontColor);
    setColorRole(m_textBox, QPalette::Base, entryBackColor);
    setColorRole(m_lbText, QPalette::WindowText, fontcolor);
    setColorRole(m_lbText, QPalette::Window, backColor);
}

void ucText::applyStyle(const QString& caption, std::uint8_t style, std::int16_t margin, std::int16_t labelwidth)
{
    m_caption = caption;
    m_style = style;
    m_margin = margin;
    m_labelwidth = labelwidth;
    m_label->setText(caption + QLatin1Char(':'));
    const int W = width();
    const int H = height();
    const int labelHeight = m_label->height();
    if (style != 1) {
        // Caption above, text box below.
        m_lbText->hide();
        m_textBox->show();
        m_label->setGeometry(margin, margin, std::max(0, W - 2 * margin), labelHeight);
        const int boxWidth = W - 2 * margin;
        const int boxHeight = H - labelHeight - 2 * margin;
        m_textBox->setGeometry(margin, margin + labelHeight, boxWidth > kBoxThreshold ? boxWidth : m_textBox->width(),
                               boxHeight > kBoxThreshold ? boxHeight : m_textBox->height());
        return;
    }
    m_label->setGeometry(margin, roundedPixel(H / 2.0 - labelHeight / 2.0 + 2), std::max(0, int(labelwidth)),
                         labelHeight);
    m_lbText->show();
    m_textBox->hide();
    const int valueHeight = labelHeight;
    const int valueTop = roundedPixel(H / 2.0 - valueHeight / 2.0 + (m_borderStyle ? 0 : 2));
    const int valueWidth = W - 2 * margin - m_label->width();
    m_lbText->setGeometry(m_label->x() + m_label->width(), valueTop,
                          valueWidth > kLabelThreshold ? valueWidth : m_lbText->width(), valueHeight);
}

void ucText::onTextBoxChanged()
{
    const QString plain = m_textBox->toPlainText();
    if (plain == m_shown)
        return; // a change of look only
    m_shown = plain;
    m_text = toFileLines(plain);
    m_changed = true;
}
