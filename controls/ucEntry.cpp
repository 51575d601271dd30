#include "controls/ucEntry.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"
#include "platform/FileDialogService.h"
#include "platform/Numbers.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QValidator>
#include <algorithm>
#include <functional>

namespace {

constexpr int kThreshold = 50;
constexpr int kInitialBoxWidth = 100;

// Limits what the user types or pastes to a number of characters. Text the
// control writes itself is never cut, and text that is already longer may
// still be shortened.
class TypingLimit : public QValidator {
public:
    // limit() answers the allowed length (0 none) and the length before the change.
    TypingLimit(std::function<std::pair<int, int>()> limit, QObject* parent)
        : QValidator(parent), m_limit(std::move(limit))
    {
    }

    State validate(QString& input, int& pos) const override
    {
        const auto [max, before] = m_limit();
        if (max <= 0 || input.size() <= max || input.size() <= before)
            return Acceptable;
        const int allowed = std::max(max, before);
        // Drop the characters just typed or pasted before the cursor.
        const int extra = static_cast<int>(input.size()) - allowed;
        const int from = std::max(0, pos - extra);
        input.remove(from, pos - from);
        pos = from;
        if (input.size() > allowed)
            input.truncate(allowed);
        return Acceptable;
    }

private:
    std::function<std::pair<int, int>()> m_limit;
};

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setFont(FontHelper::buttonFont());
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

// An editable combo box's height in the label font, which every part of the
// row takes. Measured once, as a combo box is costly to build.
int comboBoxHeight()
{
    static QHash<QString, int> heights;
    const QFont font = FontHelper::labelFont();
    const QString key = font.key() + QApplication::style()->name();
    if (const auto it = heights.constFind(key); it != heights.constEnd())
        return *it;
    QComboBox probe;
    probe.setFont(font);
    probe.setEditable(true);
    probe.setInsertPolicy(QComboBox::NoInsert);
    probe.lineEdit()->setFont(font);
    const int h = probe.sizeHint().height();
    heights.insert(key, h);
    return h;
}

void paintBox(QWidget* box, Color entryFont, Color entryBack)
{
    ColorHelper::setColorRole(box, QPalette::Text, entryFont);
    ColorHelper::setColorRole(box, QPalette::Base, entryBack);
}

} // namespace

const QString ucEntry::kPictureFilter = QStringLiteral("Grafiken (*.jpg,*.gif,*.bmp) | *.bmp;*.gif;*.jpg");
const QString ucEntry::kVideoFilter = QStringLiteral("Videos (*.swf,*.avi,*.mpg,*.wmv) | *.swf;*.avi;*.mpg;*.wmv");


ucEntry::ucEntry(QWidget* parent)
    : ucLabelledField(parent, QStringLiteral("label"), 100, 16711680),
      m_text(new QLineEdit(this)),
      m_boxHeight(comboBoxHeight()),
      m_dialogFilter(kPictureFilter)
{
    setObjectName(QStringLiteral("ucEntry"));
    QLabel* label = captionLabel();
    label->setAutoFillBackground(false);
    label->resize(Labelwidth(), label->fontMetrics().height());

    m_text->setObjectName(QStringLiteral("text"));
    m_text->setFont(FontHelper::labelFont());
    m_limit = new TypingLimit(
        [this] {
            return m_codeWrite ? std::pair(0, 0)
                               : std::pair(static_cast<int>(m_maxCharacters), static_cast<int>(m_lastText.size()));
        },
        m_text);
    m_text->setValidator(m_limit);
    m_text->resize(kInitialBoxWidth, m_boxHeight);

    connect(m_text, &QLineEdit::textChanged, this, &ucEntry::onTextChanged);
    connect(m_text, &QLineEdit::returnPressed, this, &ucEntry::returnPressed);

    relayout();
    applyColors(fontcolor(), backColor(), EntryFontColor(), EntryBackColor());
    setCaption(QStringLiteral("EintragBox"));
    setValue(QString());
}

ucEntry::~ucEntry() = default;

void ucEntry::setMaxCharacters(std::int16_t max)
{
    // The limit applies to typing only; text already there stays whole.
    m_maxCharacters = std::max<std::int16_t>(0, max);
}

QString ucEntry::DialogFolder() const { return m_dialogFolder.isNull() ? ProgramFolder::path() : m_dialogFolder; }

std::int16_t ucEntry::ComboCount() const { return m_combo ? static_cast<std::int16_t>(m_combo->count()) : 0; }

void ucEntry::setButtonVisible(bool visible)
{
    m_buttonVisible = visible;
    if (!visible && !m_btAdd)
        return;
    combo();
    m_btAdd->setVisible(visible);
    m_btRemove->setVisible(visible);
}

void ucEntry::placeInTabOrder(QWidget* part, QWidget* after)
{
    // A part made late would come last in the window; it keeps its place in the row.
    QWidget::setTabOrder(after, part);
}

QPushButton* ucEntry::makePart(QPushButton*& part, const QString& name, const QString& caption, QWidget* after)
{
    part = makeButton(name, caption, this);
    part->hide();
    part->resize(m_boxHeight, m_boxHeight);
    placeInTabOrder(part, after);
    return part;
}

QComboBox* ucEntry::combo()
{
    if (m_combo)
        return m_combo;
    m_combo = new QComboBox(this);
    m_combo->hide();
    m_combo->setObjectName(QStringLiteral("combo"));
    m_combo->setFont(FontHelper::labelFont());
    m_combo->setEditable(true);
    // Enter must not copy the typed text into the list: only the add button does.
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->lineEdit()->setFont(FontHelper::labelFont());
    m_combo->installEventFilter(this);
    m_combo->lineEdit()->installEventFilter(this);
    m_combo->resize(kInitialBoxWidth, m_boxHeight);
    {
        // The text it would have had all along: no change to report.
        const QSignalBlocker block(m_combo);
        m_combo->setEditText(m_comboText);
    }
    m_comboText.clear();
    m_combo->setToolTip(shownToolTip());
    paintBox(m_combo, EntryFontColor(), EntryBackColor());
    paintBox(m_combo->lineEdit(), EntryFontColor(), EntryBackColor());
    connect(m_combo, &QComboBox::editTextChanged, this, &ucEntry::onComboTextChanged);
    placeInTabOrder(m_combo, m_text);

    connect(makePart(m_btAdd, QStringLiteral("btAdd"), QStringLiteral(">"), m_combo), &QPushButton::clicked, this,
            &ucEntry::onAdd);
    connect(makePart(m_btRemove, QStringLiteral("btRemove"), QStringLiteral("<"), m_btAdd), &QPushButton::clicked,
            this, &ucEntry::onRemove);
    return m_combo;
}

QPushButton* ucEntry::fileButton()
{
    if (!m_btFile)
        connect(makePart(m_btFile, QStringLiteral("btFile"), QStringLiteral("+"), m_btRemove ? static_cast<QWidget*>(m_btRemove) : m_text),
                &QPushButton::clicked, this, &ucEntry::onFile);
    return m_btFile;
}

QPushButton* ucEntry::previewButton()
{
    if (!m_btPreview)
        connect(makePart(m_btPreview, QStringLiteral("btPreview"), QStringLiteral("#"), fileButton()),
                &QPushButton::clicked, this, &ucEntry::onPreview);
    return m_btPreview;
}

void ucEntry::setValue(const QString& value)
{
    // The stored value and both boxes agree, also when the limit cuts the text.
    const QString v = m_maxCharacters > 0 ? value.left(m_maxCharacters) : value;
    m_codeWrite = true;
    m_text->setText(v);
    m_codeWrite = false;
    if (m_combo) {
        m_combo->setEditText(v);
    } else if (v != m_comboText) {
        m_comboText = v;
        onComboTextChanged(v); // as the combo box reports it
    }
}

QList<QWidget*> ucEntry::toolTipWidgets() const
{
    if (m_combo)
        return {m_combo, m_text};
    return {m_text};
}

void ucEntry::setStyle(std::uint8_t style) { applyStyle(style, Labelwidth(), Margin()); }

bool ucEntry::IsValueNumericBetween(std::int16_t min, std::int16_t max) const
{
    const std::optional<double> number = Numbers::tryParse(m_value);
    if (!number)
        return false;
    const double whole = Numbers::intFloor(*number);
    return whole >= min && whole <= max;
}

void ucEntry::AddComboEntry(const QString& entry, bool checkDuplicate)
{
    if (entry.isEmpty())
        return;
    combo();
    if (checkDuplicate) {
        const QString lower = entry.toLower();
        for (int i = 0; i < m_combo->count(); ++i)
            if (m_combo->itemText(i).toLower() == lower)
                return;
    }
    // A first item would otherwise become the edit text.
    const QSignalBlocker block(m_combo);
    const QString text = m_combo->currentText();
    m_combo->addItem(entry);
    m_combo->setEditText(text);
}

void ucEntry::AddComboEntries(const QStringList& entries)
{
    QStringList shown;
    shown.reserve(entries.size());
    for (const QString& entry : entries)
        if (!entry.isEmpty())
            shown << entry;
    if (shown.isEmpty())
        return;
    combo();
    const QSignalBlocker block(m_combo);
    const QString text = m_combo->currentText();
    m_combo->addItems(shown);
    m_combo->setEditText(text);
}

void ucEntry::ClearCombo()
{
    if (!m_combo)
        return;
    const QSignalBlocker block(m_combo);
    const QString text = m_combo->currentText();
    m_combo->clear();
    m_combo->setEditText(text);
}

void ucEntry::RemoveComboEntry(const QString& entry)
{
    if (entry.isEmpty() || !m_combo || m_combo->count() == 0)
        return;
    for (int i = 0; i < m_combo->count(); ++i) {
        if (m_combo->itemText(i) == entry) {
            const QSignalBlocker block(m_combo);
            const QString text = m_combo->currentText();
            m_combo->removeItem(i);
            m_combo->setEditText(text);
            return;
        }
    }
}

QString ucEntry::GetComboEntry(std::int16_t index) const
{
    if (!m_combo || index < 0 || index >= m_combo->count())
        return QString();
    return m_combo->itemText(index);
}

void ucEntry::SetDesign(const QString& caption, std::uint8_t style, std::int16_t labelwidth, std::int16_t margin,
                        const Design& design, bool buttonVisible, std::int16_t maxCharacters)
{
    setCaption(caption);
    setMaxCharacters(maxCharacters);
    setToolTipText(QString());
    m_buttonVisible = buttonVisible;
    applyStyle(style, labelwidth, margin);
    setColors(design);
}

void ucEntry::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

bool ucEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && m_combo && (watched == m_combo || watched == m_combo->lineEdit())) {
        m_value = m_combo->currentText();
        m_changedEntry = true;
    }
    return QWidget::eventFilter(watched, event);
}

void ucEntry::paintParts(Color, Color, Color entryFont, Color entryBack)
{
    paintBox(m_text, entryFont, entryBack);
    if (m_combo) {
        paintBox(m_combo, entryFont, entryBack);
        paintBox(m_combo->lineEdit(), entryFont, entryBack);
    }
}

void ucEntry::applyStyle(std::uint8_t style, std::int16_t labelwidth, std::int16_t margin)
{
    m_style = style;
    storeGeometry(labelwidth, margin);
    // Focus given to the control goes to the box the user types into.
    setFocusProxy(style == 2 ? static_cast<QWidget*>(combo()) : m_text);
    const int H = height();
    QLabel* label = captionLabel();
    label->setGeometry(margin, H / 2 - label->height() / 2, std::max(0, static_cast<int>(labelwidth)), label->height());
    switch (style) {
    case 2: layoutStyle2(); break;
    case 3: layoutStyle3(); break;
    case 4: layoutStyle4(); break;
    default: layoutStyle1(); break;
    }
}

int ucEntry::boxTop() const { return height() / 2 - m_boxHeight / 2; }

void ucEntry::layoutStyle1()
{
    for (QWidget* part : std::initializer_list<QWidget*>{m_combo, m_btAdd, m_btRemove, m_btFile, m_btPreview})
        if (part)
            part->hide();
    m_text->show();
    const int W = width();
    const int room = W - (2 * Margin() + Labelwidth());
    m_text->setGeometry(Margin() + Labelwidth(), boxTop(), room > kThreshold ? room : m_text->width(),
                        m_boxHeight);
}

void ucEntry::layoutStyle2()
{
    combo();
    if (m_buttonVisible) {
        m_btAdd->show();
        m_btRemove->show();
    }
    m_combo->show();
    m_text->hide();
    for (QWidget* part : std::initializer_list<QWidget*>{m_btFile, m_btPreview})
        if (part)
            part->hide();
    const int W = width();
    const int h = m_boxHeight;
    const int top = boxTop();
    // Square buttons; the combo box leaves their room also while they are hidden.
    m_btAdd->resize(h, h);
    m_btRemove->resize(m_btAdd->height(), h);
    const int room = W - (m_btAdd->width() + m_btRemove->width() + Labelwidth() + 4 * Margin());
    m_combo->setGeometry(Margin() + Labelwidth(), top, room > kThreshold ? room : m_combo->width(), h);
    m_btRemove->move(W - m_btAdd->width() - Margin() - m_btRemove->width() - Margin(), top);
    m_btAdd->move(W - m_btAdd->width() - Margin(), top);
}

void ucEntry::layoutStyle3()
{
    layoutStyle1();
    fileButton();
    // Room for the file button, taken from the text box however wide it is.
    m_text->resize(std::max(0, m_text->width() - (Margin() + m_btFile->width())), m_text->height());
    m_btFile->show();
    const int h = m_boxHeight;
    m_btFile->setGeometry(width() - h - Margin(), boxTop(), h, h);
}

void ucEntry::layoutStyle4()
{
    layoutStyle3();
    previewButton()->show();
    const int h = m_boxHeight;
    const int W = width();
    m_btPreview->setGeometry(W - m_btFile->width() - Margin() - h - Margin(), boxTop(), h, h);
    const int room = W - (4 * Margin() + Labelwidth() + 2 * m_btPreview->width());
    if (room > kThreshold)
        m_text->resize(room, m_text->height());
}

void ucEntry::onTextChanged(const QString& text)
{
    m_lastText = text;
    m_value = text;
    m_changedEntry = true;
}

void ucEntry::onComboTextChanged(const QString& text)
{
    m_value = text;
    m_changedEntry = true;
    if (m_combo && m_maxCharacters > 0 && text.size() > m_maxCharacters) {
        m_combo->setEditText(text.left(m_maxCharacters));
        m_combo->lineEdit()->setCursorPosition(m_maxCharacters);
    }
}

void ucEntry::onAdd() { AddComboEntry(m_combo->currentText(), true); }

void ucEntry::onRemove() { RemoveComboEntry(m_combo->currentText()); }

void ucEntry::onFile()
{
    const std::optional<QString> path =
        FileDialogs::get().openFile(Caption() + QStringLiteral(" einfügen"), m_dialogFilter, DialogFolder());
    if (!path)
        return;
    m_codeWrite = true;
    m_text->setText(*path);
    m_codeWrite = false;
}

void ucEntry::onPreview() { emit previewRequested(m_value); }
