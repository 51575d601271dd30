#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

class QLabel;
class QPlainTextEdit;

// A text with a caption. Style 1 is one line: the caption on the left and the
// text in a label beside it. Any other style puts the caption above a
// multi-line text box that fills the rest of the control.
// text() keeps the CR LF line ends of the files; the box shows plain lines.
class ucText : public QWidget {
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
    std::int16_t Labelwidth() const { return m_labelwidth; }
    void setLabelwidth(std::int16_t width);
    bool Locked() const { return m_locked; }
    void setLocked(bool locked);
    QString ToolTipText() const { return m_toolTipText; }
    void setToolTipText(const QString& text);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QString text() const { return m_text; }
    void setText(const QString& text);
    std::uint8_t Style() const { return m_style; }
    void setStyle(std::uint8_t style);
    std::int64_t fontcolor() const { return m_fontcolor; }
    void setFontcolor(std::int64_t color);
    std::int64_t backColor() const { return m_backColor; }
    void setBackColor(std::int64_t color);
    std::int64_t EntryFontColor() const { return m_entryFontColor; }
    void setEntryFontColor(std::int64_t color);
    std::int64_t EntryBackColor() const { return m_entryBackColor; }
    void setEntryBackColor(std::int64_t color);

    // Selects the next occurrence of the search text (ignoring case) from
    // MarkStartpos on; when there is none, the next search starts at the beginning.
    void MarkSearchText(const QString& search);
    void SetDesign(const QString& caption, std::uint8_t style, std::int16_t margin, std::int64_t fontcolor,
                   std::int64_t backColor, std::int64_t entryFontColor, std::int64_t entryBackColor,
                   std::int16_t labelwidth, bool locked, bool borderStyle = true);

signals:
    void ucLeftClicked();
    void ucRightClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyColors(std::int64_t fontcolor, std::int64_t backColor, std::int64_t entryFontColor,
                     std::int64_t entryBackColor);
    void applyStyle(const QString& caption, std::uint8_t style, std::int16_t margin, std::int16_t labelwidth);
    void onTextBoxChanged();
    void pressed(Qt::MouseButton button);

    QLabel* m_label;
    QLabel* m_lbText;
    QPlainTextEdit* m_textBox;

    bool m_borderStyle = true;
    bool m_changed = false;
    std::int32_t m_markStartpos = 1;
    std::uint8_t m_captionAlign = 0;
    std::int16_t m_labelwidth = 120;
    bool m_locked = false;
    QString m_toolTipText;
    QString m_caption = QStringLiteral("Textbox");
    QString m_text;
    std::uint8_t m_style = 1;
    std::int16_t m_margin = 5;
    std::int64_t m_fontcolor = 0;
    std::int64_t m_backColor = 255;
    std::int64_t m_entryFontColor = 0;
    std::int64_t m_entryBackColor = 16777215;
    QString m_shown; // the text box's plain text as last seen
};
