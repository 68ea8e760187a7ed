#include "PictureBox.h"

#include "Fonts.h"

#include <QFontMetrics>
#include <QPainter>

namespace lexiwren {

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
}

void PictureBox::clearDrawing()
{
    m_drawn.clear();
    update();
    emit drawingChanged();
}

void PictureBox::setDrawingPointSize(qreal points)
{
    QFont drawing = font();
    drawing.setPixelSize(qMax(1, pixelsForPoints(points)));
    setFont(drawing);
}

void PictureBox::setDrawingPosition(QPoint topLeft)
{
    m_position = topLeft;
}

void PictureBox::drawText(const QString &text)
{
    m_drawn.append({m_position, font(), text});
    m_position = QPoint(0, m_position.y() + QFontMetrics(font()).height());
    update();
    emit drawingChanged();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (const DrawnText &drawn : std::as_const(m_drawn)) {
        painter.setFont(drawn.font);
        painter.drawText(QRect(drawn.topLeft, size()), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, drawn.text);
    }
}

} // namespace lexiwren
