#include "controls/ucText.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"
#include "controls/PlainText.h"
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

// The plain text a text box gives back for this text.
QString asBoxText(const QString& plain)
{
    QString s = plain;
    for (QChar& c : s) {
        switch (c.unicode()) {
        case 0xfdd0: // frame marks
        case 0xfdd1:
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator: c = u'\n'; break;
        case QChar::Nbsp: c = u' '; break;
        default: break;
        }
    }
    return s;
}

int roundedPixel(double value) { return static_cast<int>(Numbers::roundHalfEven(value)); }

} // namespace

ucText::ucText(QWidget* parent)
    : ucLabelledField(parent, QStringLiteral("Label"), 120, 255), m_lbText(new QLabel(this))
{
    setObjectName(QStringLiteral("ucText"));
    m_lbText->setObjectName(QStringLiteral("lbText"));
    for (QLabel* l : {captionLabel(), m_lbText}) {
        l->setFont(FontHelper::labelFont());
        l->setTextFormat(Qt::PlainText);
        l->resize(100, l->fontMetrics().height());
    }
    captionLabel()->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_lbText->setAutoFillBackground(true);

    m_boxText = QStringLiteral("Text1");
    m_shown = m_boxText;

    setCaption(QStringLiteral("Textbox"));
    applyStyle(1, 5, 120);
    applyColors(fontcolor(), backColor(), EntryFontColor(), EntryBackColor());
    setText(QString());
    setCaption(QStringLiteral("Textbox"));
}

QPlainTextEdit* ucText::textBox()
{
    if (m_textBox)
        return m_textBox;
    m_textBox = new QPlainTextEdit(this);
    m_textBox->hide();
    m_textBox->setObjectName(QStringLiteral("TextBox"));
    m_textBox->setFont(FontHelper::labelFont());
    m_textBox->setPlainText(m_boxText);
    m_boxText.clear();
    m_textBox->viewport()->installEventFilter(this);
    connect(m_textBox, &QPlainTextEdit::textChanged, this, &ucText::onTextBoxChanged);
    m_textBox->setFrameStyle(m_borderStyle ? (QFrame::StyledPanel | QFrame::Sunken) : QFrame::NoFrame);
    m_textBox->setReadOnly(m_locked);
    m_textBox->setToolTip(shownToolTip());
    ColorHelper::setColorRole(m_textBox, QPalette::Text, EntryFontColor());
    ColorHelper::setColorRole(m_textBox, QPalette::Base, EntryBackColor());
    // Made late it would come last in the window; it keeps its place after the
    // labels, which take no focus and so need it for a moment to be ordered.
    const Qt::FocusPolicy policy = m_lbText->focusPolicy();
    m_lbText->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(m_lbText, m_textBox);
    m_lbText->setFocusPolicy(policy);
    return m_textBox;
}

void ucText::setBorderStyle(bool border)
{
    m_borderStyle = border;
    if (m_textBox)
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
    captionLabel()->setAlignment(h | Qt::AlignVCenter);
}

void ucText::setLocked(bool locked)
{
    m_locked = locked;
    if (m_textBox)
        m_textBox->setReadOnly(locked);
}

QList<QWidget*> ucText::toolTipWidgets() const
{
    if (m_textBox)
        return {m_textBox};
    return {};
}

void ucText::setText(const QString& text)
{
    m_text = text;
    const QString plain = toPlainLines(text);
    showLabelText();
    if (m_textBox) {
        if (plain != m_textBox->toPlainText())
            m_textBox->setPlainText(plain);
    } else if (plain != m_boxText) {
        m_boxText = asBoxText(plain);
        boxTextChanged(m_boxText); // as the box reports it
    }
}

void ucText::setElideMode(Qt::TextElideMode mode)
{
    m_elideMode = mode;
    showLabelText();
}

void ucText::showLabelText()
{
    const QString plain = toPlainLines(m_text);
    if (m_elideMode == Qt::ElideNone) {
        m_lbText->setText(plain);
        return;
    }
    const QString shown = m_lbText->fontMetrics().elidedText(plain, m_elideMode, m_lbText->contentsRect().width());
    m_lbText->setText(shown);
    m_lbText->setToolTip(shown == plain ? QString() : PlainText::toolTip(plain));
}

void ucText::setStyle(std::uint8_t style) { applyStyle(style, Margin(), Labelwidth()); }

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
    QTextCursor cursor(textBox()->document());
    cursor.setPosition(static_cast<int>(start));
    cursor.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
    m_textBox->setTextCursor(cursor);
    m_textBox->setFocus();
    m_markStartpos = static_cast<std::int32_t>(found + 1 + search.size());
}

void ucText::SetDesign(const QString& caption, std::uint8_t style, std::int16_t margin, const Design& design,
                       std::int16_t labelwidth, bool locked, bool borderStyle)
{
    setCaption(caption);
    applyStyle(style, margin, labelwidth);
    setColors(design);
    setLocked(locked);
    setBorderStyle(borderStyle);
}

void ucText::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void ucText::mousePressEvent(QMouseEvent* event)
{
    // Labels pass their presses on to here; the text box reports its own.
    if (!(m_textBox && m_textBox->isVisible() && m_textBox->geometry().contains(event->position().toPoint())))
        pressed(event->button());
    QWidget::mousePressEvent(event);
}

bool ucText::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && m_textBox && watched == m_textBox->viewport())
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

void ucText::paintParts(Color font, Color back, Color entryFont, Color entryBack)
{
    if (m_textBox) {
        ColorHelper::setColorRole(m_textBox, QPalette::Text, entryFont);
        ColorHelper::setColorRole(m_textBox, QPalette::Base, entryBack);
    }
    ColorHelper::setColorRole(m_lbText, QPalette::WindowText, font);
    ColorHelper::setColorRole(m_lbText, QPalette::Window, back);
}

void ucText::applyStyle(std::uint8_t style, std::int16_t margin, std::int16_t labelwidth)
{
    m_style = style;
    storeGeometry(labelwidth, margin);
    QLabel* label = captionLabel();
    const int W = width();
    const int H = height();
    const int labelHeight = label->height();
    if (style != 1) {
        // Caption above, text box below.
        m_lbText->hide();
        textBox()->show();
        label->setGeometry(margin, margin, std::max(0, W - 2 * margin), labelHeight);
        const int boxWidth = W - 2 * margin;
        const int boxHeight = H - labelHeight - 2 * margin;
        m_textBox->setGeometry(margin, margin + labelHeight, boxWidth > kBoxThreshold ? boxWidth : m_textBox->width(),
                               boxHeight > kBoxThreshold ? boxHeight : m_textBox->height());
        return;
    }
    label->setGeometry(margin, roundedPixel(H / 2.0 - labelHeight / 2.0 + 2), std::max(0, int(labelwidth)),
                         labelHeight);
    m_lbText->show();
    if (m_textBox)
        m_textBox->hide();
    const int valueHeight = labelHeight;
    const int valueTop = roundedPixel(H / 2.0 - valueHeight / 2.0 + (m_borderStyle ? 0 : 2));
    const int valueWidth = W - 2 * margin - label->width();
    m_lbText->setGeometry(label->x() + label->width(), valueTop,
                          valueWidth > kLabelThreshold ? valueWidth : m_lbText->width(), valueHeight);
    showLabelText(); // the room may have changed
}

void ucText::onTextBoxChanged() { boxTextChanged(m_textBox->toPlainText()); }

void ucText::boxTextChanged(const QString& plain)
{
    if (plain == m_shown)
        return; // a change of look only
    m_shown = plain;
    m_text = toFileLines(plain);
    m_changed = true;
}
