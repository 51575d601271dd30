#pragma once

#include "controls/ColorHelper.h"
#include "controls/ucLabelledField.h"

#include <QString>
#include <cstdint>

class QLabel;
class QPlainTextEdit;

// A text with a caption. Style 1 is one line: the caption on the left and the
// text in a label beside it. Any other style puts the caption above a
// multi-line text box that fills the rest of the control.
// text() keeps the CR LF line ends of the files; the box shows plain lines.
class ucText : public ucLabelledField {
    Q_OBJECT
public:
    explicit ucText(QWidget* parent = nullptr);

    bool BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(bool border);
    bool Changed() const { return m_changed; }
    void setChanged(bool changed) { m_changed = changed; }
    std::int32_t MarkStartpos() const { return m_markStartpos; }
    void setMarkStartpos(std::int32_t pos);
    // 0 left, 1 right, 2 centre; anything else left.
    std::uint8_t CaptionAlign() const { return m_captionAlign; }
    void setCaptionAlign(std::uint8_t align);
    bool Locked() const { return m_locked; }
    void setLocked(bool locked);
    QString text() const { return m_text; }
    void setText(const QString& text);
    std::uint8_t Style() const { return m_style; }
    void setStyle(std::uint8_t style);
    // Style 1: a text too long for its label shows with this part left out
    // (Qt::ElideNone, the default, cuts its end off) and whole as the
    // label's tool tip. text() is always the whole text.
    void setElideMode(Qt::TextElideMode mode);

    // Selects the next occurrence of the search text (ignoring case) from
    // MarkStartpos on; when there is none, the next search starts at the beginning.
    void MarkSearchText(const QString& search);
    void SetDesign(const QString& caption, std::uint8_t style, std::int16_t margin, const Design& design,
                   std::int16_t labelwidth, bool locked, bool borderStyle = true);
    void SetDesign(const QString& caption, std::uint8_t style, std::int16_t margin, Color fontcolor, Color backColor,
                   Color entryFontColor, Color entryBackColor, std::int16_t labelwidth, bool locked,
                   bool borderStyle = true)
    {
        SetDesign(caption, style, margin, ColorHelper::fourColors(fontcolor, backColor, entryFontColor, entryBackColor),
                  labelwidth, locked, borderStyle);
    }

signals:
    void ucLeftClicked();
    void ucRightClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void relayout() override { applyStyle(m_style, Margin(), Labelwidth()); }
    void paintParts(Color font, Color back, Color entryFont, Color entryBack) override;
    QList<QWidget*> toolTipWidgets() const override;
    void applyStyle(std::uint8_t style, std::int16_t margin, std::int16_t labelwidth);
    void onTextBoxChanged();
    void pressed(Qt::MouseButton button);
    void showLabelText();
    // The multi-line box is made when a style or a search first needs it.
    QPlainTextEdit* textBox();
    void boxTextChanged(const QString& plain);

    QLabel* m_lbText;
    QPlainTextEdit* m_textBox = nullptr;
    QString m_boxText; // the box's plain text while it is not made

    bool m_borderStyle = true;
    bool m_changed = false;
    std::int32_t m_markStartpos = 1;
    std::uint8_t m_captionAlign = 0;
    bool m_locked = false;
    QString m_text;
    std::uint8_t m_style = 1;
    Qt::TextElideMode m_elideMode = Qt::ElideNone;
    QString m_shown; // the text box's plain text as last seen
};
