#pragma once

#include "controls/clsFormFunctions.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;

// A small drop-down-like menu of up to six entries; the entry under the
// mouse is highlighted and every click and hover is reported on its own.
// Geometry is kept in twips.
class ucPopUpMenu : public QWidget {
    Q_OBJECT
public:
    static constexpr int kEntries = 6;

    explicit ucPopUpMenu(QWidget* parent = nullptr);

    // 1 to 5 entries; other counts change nothing.
    void SetElementCount(std::uint8_t count);
    // index 1 to 6; others are an index error.
    void SetCaption(std::uint8_t index, const QString& caption);
    QString GetCaption(std::uint8_t index) const;

    int widthTwips() const;
    int heightTwips() const;
    // Entry k (0 to 5) in twips, relative to the control.
    QRect entryTwips(int k) const;

signals:
    void element1Clicked();
    void element2Clicked();
    void element3Clicked();
    void element4Clicked();
    void element5Clicked();
    void element6Clicked();
    void element1Mouseover();
    void element2Mouseover();
    void element3Mouseover();
    void element4Mouseover();
    void element5Mouseover();
    void element6Mouseover();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    static constexpr int kTwipsPerPixel = clsFormFunctions::kTwipsPerPixel;

    int entryOf(QObject* watched) const;
    void setEntryColor(int k, bool highlighted);
    void layOutEntries();

    std::array<QLabel*, kEntries> m_lb{};
    std::array<QString, kEntries> m_captions;
    int m_widthTwips;
    int m_heightTwips;
    int m_pressed = -1;
};
