#pragma once

#include "controls/ColorHelper.h"
#include "controls/ucLabelledField.h"

#include <QString>
#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QValidator;

// A one-line input field: a caption on the left, a text box or an editable
// combo box beside it and up to two small buttons at its right end. Owners
// read value() and ChangedEntry() when they act.
class ucEntry : public ucLabelledField {
    Q_OBJECT
public:
    // Styles: 1 text box; 2 combo box with add and remove buttons; 3 text box
    // with a file button; 4 text box with file and preview buttons. Any other
    // value is laid out as 1.
    explicit ucEntry(QWidget* parent = nullptr);
    ~ucEntry() override;

    static const QString kPictureFilter;
    static const QString kVideoFilter;

    std::int16_t MaxCharacters() const { return m_maxCharacters; }
    void setMaxCharacters(std::int16_t max);
    bool ChangedEntry() const { return m_changedEntry; }
    void setChangedEntry(bool changed) { m_changedEntry = changed; }
    std::int16_t ComboCount() const;
    bool ButtonVisible() const { return m_buttonVisible; }
    void setButtonVisible(bool visible);
    QString DialogFilter() const { return m_dialogFilter; }
    void setDialogFilter(const QString& filter) { m_dialogFilter = filter; }
    // The program folder until an owner sets another.
    QString DialogFolder() const;
    void setDialogFolder(const QString& folder) { m_dialogFolder = folder; }
    QString value() const { return m_value; }
    void setValue(const QString& value);
    std::uint8_t Style() const { return m_style; }
    void setStyle(std::uint8_t style);

    // True when value is a number whose whole part (rounded down) lies from min to max.
    bool IsValueNumericBetween(std::int16_t min, std::int16_t max) const;
    // Appends a non-empty entry; with checkDuplicate it is skipped when an item
    // equals it ignoring case. The combo text stays as it is.
    void AddComboEntry(const QString& entry, bool checkDuplicate = false);
    // Appends every non-empty entry in order, without the duplicate check,
    // as AddComboEntry does one by one, in one step.
    void AddComboEntries(const QStringList& entries);
    void ClearCombo();
    // Removes the first item that equals the entry exactly.
    void RemoveComboEntry(const QString& entry);
    // The item at a 0-based index; "" outside the list.
    QString GetComboEntry(std::int16_t index) const;
    void SetDesign(const QString& caption, std::uint8_t style, std::int16_t labelwidth, std::int16_t margin,
                   const Design& design, bool buttonVisible = true, std::int16_t maxCharacters = 0);
    void SetDesign(const QString& caption, std::uint8_t style, std::int16_t labelwidth, std::int16_t margin,
                   Color fontcolor, Color backColor, Color entryFontColor, Color entryBackColor,
                   bool buttonVisible = true, std::int16_t maxCharacters = 0)
    {
        SetDesign(caption, style, labelwidth, margin,
                  ColorHelper::fourColors(fontcolor, backColor, entryFontColor, entryBackColor),
                  buttonVisible, maxCharacters);
    }

signals:
    // Enter was pressed in the text box.
    void returnPressed();
    // The preview button was pressed; path is the entry's value.
    void previewRequested(const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void relayout() override { applyStyle(m_style, Labelwidth(), Margin()); }
    void paintParts(Color font, Color back, Color entryFont, Color entryBack) override;
    QList<QWidget*> toolTipWidgets() const override;
    void applyStyle(std::uint8_t style, std::int16_t labelwidth, std::int16_t margin);
    void layoutStyle1();
    void layoutStyle2();
    void layoutStyle3();
    void layoutStyle4();
    int boxTop() const;
    // The combo box with its add and remove buttons, and the file and
    // preview buttons, are made when a style or a call first needs them.
    QComboBox* combo();
    QPushButton* fileButton();
    QPushButton* previewButton();
    QPushButton* makePart(QPushButton*& part, const QString& name, const QString& caption, QWidget* after);
    void placeInTabOrder(QWidget* part, QWidget* after);
    void onTextChanged(const QString& text);
    void onComboTextChanged(const QString& text);
    void onAdd();
    void onRemove();
    void onFile();
    void onPreview();

    QLineEdit* m_text;
    QComboBox* m_combo = nullptr;
    QPushButton* m_btAdd = nullptr;
    QPushButton* m_btRemove = nullptr;
    QPushButton* m_btFile = nullptr;
    QPushButton* m_btPreview = nullptr;
    int m_boxHeight; // the combo box's height, also before it is made
    QString m_comboText; // the combo's edit text while it is not made
    QValidator* m_limit;
    bool m_codeWrite = false; // the text box is being written by the control itself

    std::int16_t m_maxCharacters = 0;
    bool m_changedEntry = false;
    bool m_buttonVisible = true;
    QString m_dialogFilter;
    QString m_dialogFolder;
    QString m_value;
    std::uint8_t m_style = 1;
    QString m_lastText; // the text box's text before the change being handled
};
