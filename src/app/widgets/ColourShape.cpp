#include "app/widgets/ColourShape.h"

#include <QPainter>

namespace tallyhand::app {

ColourShape::ColourShape(const QString& name, QColor colour, QWidget* parent)
    : QWidget(parent), m_colour(colour)
{
    setObjectName(name);
    setFixedSize(13, 13);
}

void ColourShape::setColour(QColor colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void ColourShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(m_colour);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tallyhand::app
