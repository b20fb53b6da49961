#include "ui/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>

#include "ui/command_table.h"

namespace vemo {

namespace {

const QColor kInk(40, 40, 40);
const QColor kBlue(30, 90, 200);
const QColor kGreen(20, 140, 60);
const QColor kRed(200, 40, 40);
const QColor kPaper(255, 255, 240);

// A sheet of paper with a folded corner, the common base of the file pictures.
void paper(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(kPaper);
  p.drawPolygon(
      QPolygon({QPoint(2, 0), QPoint(10, 0), QPoint(13, 3), QPoint(13, 14), QPoint(2, 14)}));
  p.drawLine(10, 0, 10, 3);
  p.drawLine(10, 3, 13, 3);
}

void letter(QPainter& p, const QString& text, const QColor& color, const QRect& box) {
  QFont font("Liberation Sans");
  font.setPixelSize(box.height());
  font.setBold(true);
  p.setFont(font);
  p.setPen(color);
  p.drawText(box, Qt::AlignCenter, text);
}

void draw_icon(QPainter& p, int command) {
  switch (command) {
    case kCmdReadOptimize:  // a page feeding a run arrow
      paper(p);
      p.setPen(Qt::NoPen);
      p.setBrush(kGreen);
      p.drawPolygon(QPolygon({QPoint(6, 4), QPoint(15, 9), QPoint(6, 14)}));
      break;
    case kCmdDrawMap:  // a small network: three nodes and arrows
      p.setPen(QPen(kBlue, 1));
      p.drawLine(3, 3, 12, 3);
      p.drawLine(3, 3, 8, 11);
      p.drawLine(12, 3, 8, 11);
      p.setBrush(kRed);
      p.setPen(kInk);
      p.drawEllipse(QRect(1, 1, 4, 4));
      p.drawEllipse(QRect(10, 1, 4, 4));
      p.drawEllipse(QRect(6, 9, 4, 4));
      break;
    case kCmdObjective:  // a target
      p.setPen(kRed);
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QRect(1, 0, 13, 13));
      p.drawEllipse(QRect(4, 3, 7, 7));
      p.setBrush(kRed);
      p.drawEllipse(QRect(6, 5, 3, 3));
      break;
    case kCmdSelectFiles:  // a folder
      p.setPen(kInk);
      p.setBrush(QColor(240, 200, 80));
      p.drawPolygon(QPolygon({QPoint(0, 3), QPoint(5, 3), QPoint(7, 5), QPoint(15, 5),
                              QPoint(15, 13), QPoint(0, 13)}));
      break;
    case kCmdDisplayOptions:  // three colour swatches
      p.setPen(kInk);
      p.setBrush(kRed);
      p.drawRect(1, 2, 4, 10);
      p.setBrush(kGreen);
      p.drawRect(6, 2, 4, 10);
      p.setBrush(kBlue);
      p.drawRect(11, 2, 4, 10);
      break;
    case kCmdPrintPrimal:
      letter(p, "P", kBlue, QRect(0, 0, 16, 15));
      break;
    case kCmdPrintDual:
      letter(p, "D", kBlue, QRect(0, 0, 16, 15));
      break;
    case kCmdViewPrimal:
      paper(p);
      letter(p, "P", kInk, QRect(3, 4, 10, 10));
      break;
    case kCmdViewDual:
      paper(p);
      letter(p, "D", kInk, QRect(3, 4, 10, 10));
      break;
    case kCmdViewReactions:
      paper(p);
      letter(p, "R", kGreen, QRect(3, 4, 10, 10));
      break;
    case kCmdViewBounds:
      paper(p);
      letter(p, "B", kRed, QRect(3, 4, 10, 10));
      break;
    default:
      break;
  }
}

}  // namespace

QIcon toolbar_icon(int command) {
  QPixmap pixmap(kToolbarIconWidth, kToolbarIconHeight);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, false);
  draw_icon(painter, command);
  painter.end();
  return QIcon(pixmap);
}

}  // namespace vemo
