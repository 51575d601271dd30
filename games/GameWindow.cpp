#include "games/GameWindow.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"

#include <QLabel>
#include <QPushButton>

namespace GameWindow {

QPushButton* makeButton(QWidget* parent, const char* name, const QRect& geometry, const QString& caption)
{
    auto* b = new QPushButton(literalCaption(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFont(FontHelper::labelFont(8.25));
    b->setGeometry(geometry);
    QPalette p = b->palette();
    p.setColor(QPalette::Button, Qt::white);
    p.setColor(QPalette::ButtonText, Qt::black);
    b->setPalette(p);
    return b;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry, double pointSize)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText); // names and titles are shown as typed
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setFont(FontHelper::labelFont(pointSize));
    l->setGeometry(geometry);
    return l;
}

QString literalCaption(const QString& text)
{
    QString t = text;
    return t.replace(u'&', QStringLiteral("&&"));
}

void setWindowColors(QWidget* window, Color font, Color back)
{
    ColorHelper::setLabelColors(window, font, back);
    window->setAutoFillBackground(true);
}

} // namespace GameWindow
