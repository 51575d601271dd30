#pragma once

#include <QWidget>
#include <cstdint>

class MainWindow;
class PictureBox;
class QLabel;
class QTimer;

// The start-up window: it starts the main window, then bounces the program's
// picture for about 3.3 seconds above it and hides itself.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTicks = 66;

    explicit frmSplash(MainWindow& main);

    // Picture and version, then the main window's whole start-up, then the
    // splash. False when the start-up ended at the password box.
    bool Form_Load();
    // One animation step every 50 ms.
    void Timer_Timer();

    std::int16_t Tick() const { return m_tick; }
    std::int16_t PicY() const { return m_picY; }
    std::int16_t FrameCount() const { return m_frameCount; }
    QTimer* Timer() const { return m_timer; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void EndSplash();

    MainWindow& m_main;
    PictureBox* m_picture1;
    QLabel* m_label1;
    QLabel* m_image1;
    QLabel* m_label2;
    QLabel* m_label3;
    QTimer* m_timer;

    std::int16_t m_tick = 0;
    std::int16_t m_restY = 30;
    std::int16_t m_picY = 30;
    std::int16_t m_frameCount = 0;
    bool m_wasActive = false;
};
