#pragma once

#include "controls/clsZoomControl.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>

class PictureBox;
class QPushButton;

// Shows one picture file in a box; the user zooms it with two buttons and
// moves it with four arrow strips around the box.
class ucZoom : public QWidget {
    Q_OBJECT
public:
    explicit ucZoom(QWidget* parent = nullptr);
    ~ucZoom() override;

    QString ImagePath() const { return m_imagePath; }
    // Only stores the path; InitializeIt loads it.
    void setImagePath(const QString& path) { m_imagePath = path; }

    // Loads the picture at path, lays the control out for width x height and
    // shows the picture at natural size from its upper left corner. A file
    // that is no readable picture, or an empty one, leaves the box empty.
    void InitializeIt(const QString& path, std::int32_t width, std::int32_t height);
    // Lays the children out for width x height (at least 200 x 200).
    void SetSize(std::int32_t width, std::int32_t height);

    // The geometry last painted, for the owner and for checks.
    const clsZoomControl* zoomControl() const { return m_zoom.get(); }

private:
    void repaintPicture();
    void step(void (clsZoomControl::*action)());

    PictureBox* m_pictureBox;
    QPushButton* m_btOben;
    QPushButton* m_btUnten;
    QPushButton* m_btLinks;
    QPushButton* m_btRechts;
    QPushButton* m_btZoomIn;
    QPushButton* m_btZoomOut;

    QString m_imagePath;
    QImage m_image;
    std::unique_ptr<clsZoomControl> m_zoom;
};
