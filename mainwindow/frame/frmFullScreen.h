#pragma once

#include <QWidget>

class PageHost;
class QLabel;

// One cover across the whole screen: the full-screen view of the current
// title's cover and the screen saver's picture. A click on the picture ends
// the saver and hides the window; it is never destroyed while the main
// window lives, and keeps its last picture while hidden.
class frmFullScreen : public QWidget {
    Q_OBJECT
public:
    explicit frmFullScreen(PageHost& host);

    // Shows the picture file at path sized for the disc format. False (and
    // MessageText::FileUnusable) when the file is no picture that can be read; the
    // window then keeps what it showed.
    bool OpenFullscreen(const QString& path, const QString& format);
    // The cover height for a width, by disc format.
    static int GetCoverHeight(const QString& format, int width);

    QLabel* imPic() const { return m_imPic; }
    void imPic_Click();

signals:
    // A click or the desktop ended the view: a running saver stops.
    void dismissed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PageHost& m_host;
    QLabel* m_imPic;
};
