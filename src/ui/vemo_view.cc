#include "ui/vemo_view.h"

#include <QPainter>
#include <QScrollBar>

#include "display/draw_view.h"
#include "ui/painter_canvas.h"

namespace vemo {

namespace {

// A page is a tenth of the extent, a line a tenth of a page.
constexpr int kPageStepX = kViewWidth / 10;
constexpr int kPageStepY = kViewHeight / 10;

}  // namespace

CVemoView::CVemoView(QWidget* parent, Workbench& wb) : QAbstractScrollArea(parent), wb_(wb) {
  viewport()->setAutoFillBackground(true);
  QPalette palette = viewport()->palette();
  palette.setColor(QPalette::Window, Qt::white);
  viewport()->setPalette(palette);
  horizontalScrollBar()->setPageStep(kPageStepX);
  horizontalScrollBar()->setSingleStep(kPageStepX / 10);
  verticalScrollBar()->setPageStep(kPageStepY);
  verticalScrollBar()->setSingleStep(kPageStepY / 10);
  update_scroll_ranges();
}

bool CVemoView::has_handler(int /*number*/) const { return false; }

void CVemoView::handle_command(int /*number*/) {}

void CVemoView::update_scroll_ranges() {
  const QSize visible = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, kViewWidth - visible.width()));
  verticalScrollBar()->setRange(0, std::max(0, kViewHeight - visible.height()));
}

void CVemoView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  update_scroll_ranges();
}

void CVemoView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
  PainterCanvas canvas(painter);
  draw_view(wb_, canvas);
}

}  // namespace vemo
