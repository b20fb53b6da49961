#include "ui/painter_canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>

namespace vemo {

namespace {

QColor to_qcolor(Rgb c) { return QColor(c.r, c.g, c.b); }

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter) {
  painter_.setBrush(Qt::NoBrush);
}

void PainterCanvas::set_pen(PenStyle style, int width, Rgb color) {
  QPen pen(to_qcolor(color));
  pen.setWidth(width);
  pen.setStyle(style == PenStyle::kDotted ? Qt::DotLine : Qt::SolidLine);
  painter_.setPen(pen);
}

void PainterCanvas::set_font(const std::string& face, int height) {
  QFont font(QString::fromStdString(face));
  // The height is the character cell in logical units (one logical unit is one pixel).
  font.setPixelSize(height > 0 ? height : 1);
  painter_.setFont(font);
}

void PainterCanvas::set_text_color(Rgb color) { text_color_ = color; }

void PainterCanvas::text(int x, int y, const std::string& text) {
  const QString s = QString::fromStdString(text);
  const QFontMetrics metrics(painter_.font());
  const QRect box(x, y, metrics.horizontalAdvance(s), metrics.height());
  painter_.fillRect(box, Qt::white);
  const QPen pen = painter_.pen();
  painter_.setPen(to_qcolor(text_color_));
  painter_.drawText(QPoint(x, y + metrics.ascent()), s);
  painter_.setPen(pen);
}

void PainterCanvas::move_to(int x, int y) { current_ = QPoint(x, y); }

void PainterCanvas::line_to(int x, int y) {
  const QPoint to(x, y);
  painter_.drawLine(current_, to);
  current_ = to;
}

void PainterCanvas::ellipse(int left, int top, int right, int bottom) {
  painter_.drawEllipse(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

void PainterCanvas::pixel(int x, int y, Rgb color) {
  const QPen pen = painter_.pen();
  painter_.setPen(to_qcolor(color));
  painter_.drawPoint(x, y);
  painter_.setPen(pen);
}

}  // namespace vemo
