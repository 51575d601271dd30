#pragma once

#include <QWidget>

class ucZoom;

// A small window that shows one picture file in the zoomable picture
// control, which always fills it.
class Preview : public QWidget {
    Q_OBJECT
public:
    explicit Preview(QWidget* parent = nullptr);

    // Loads the picture at path; IsPic tells whether there was one. Without
    // one the control keeps what it showed.
    void SetPic(const QString& path);
    bool IsPic() const { return m_isPic; }
    ucZoom* ucZoom1() const { return m_zoom; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    ucZoom* m_zoom;
    bool m_isPic = false;
};
