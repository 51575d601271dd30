#pragma once

#include <QFont>
#include <QString>

// The program's two faces, on the fonts Debian ships: "Lucida Console" is
// DejaVu Sans Mono, "MS Sans Serif" is DejaVu Sans.
class FontHelper {
public:
    static constexpr double kDefaultPointSize = 8.25;

    // A font by the face name the program uses; other names pass through.
    static QFont font(const QString& face, double pointSize = kDefaultPointSize, bool bold = true);
    // Labels, text boxes, combo boxes, option buttons and drawn controls.
    static QFont labelFont(double pointSize = kDefaultPointSize) { return font(QStringLiteral("Lucida Console"), pointSize); }
    // Buttons.
    static QFont buttonFont(double pointSize = kDefaultPointSize) { return font(QStringLiteral("MS Sans Serif"), pointSize); }
};
