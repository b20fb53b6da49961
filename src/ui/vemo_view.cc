#include "ui/vemo_view.h"

#include <QPainter>
#include <QScrollBar>

#include "display/draw_map.h"
#include "display/draw_view.h"
#include "display/isocline_diagram.h"
#include "display/phase_portrait.h"
#include "display/robustness_diagram.h"
#include "ui/command_table.h"
#include "ui/map_option_dlgs.h"
#include "ui/painter_canvas.h"
#include "ui/plot_option_dlgs.h"

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

  commands_[kCmdDrawMap] = [this] { redraw_map(); };
  commands_[kCmdMapScale] = [this] {
    if (CScaleDlg(this, wb_).exec() == QDialog::Accepted) redraw_map();
  };
  commands_[kCmdMapFontSize] = [this] {
    if (CFontSizeDlg(this, wb_).exec() == QDialog::Accepted) redraw_map();
  };
  commands_[kCmdDisplayOptions] = [this] {
    if (CDisplayOptionsDlg(this, wb_).exec() == QDialog::Accepted) viewport()->update();
  };
  commands_[kCmdDrawPhasePlane] = [this] { redraw_with(draw_phase_plane); };
  commands_[kCmdPhasePlotOptions] = [this] {
    if (CPhasePlotOptionsDlg(this, wb_).exec() == QDialog::Accepted) redraw_with(draw_phase_plane);
  };
  commands_[kCmdDrawRobustness] = [this] { redraw_with(draw_robustness); };
  commands_[kCmdRobustnessPlotOptions] = [this] {
    if (CRobustPlotParametersDlg(this, wb_).exec() == QDialog::Accepted) {
      redraw_with(draw_robustness);
      redraw_map();
    }
  };
  commands_[kCmdDrawIsoclines] = [this] { redraw_with(draw_isoclines); };
  commands_[kCmdIsoclinePlotOptions] = [this] {
    if (CIsoclinePlotOptionsDlg(this, wb_).exec() == QDialog::Accepted) {
      redraw_with(draw_isoclines);
      redraw_map();
    }
  };
}

bool CVemoView::has_handler(int number) const { return commands_.count(number) != 0; }

void CVemoView::handle_command(int number) {
  auto it = commands_.find(number);
  if (it != commands_.end()) it->second();
}

void CVemoView::redraw_map() { redraw_with(draw_map); }

void CVemoView::redraw_with(bool (*draw_command)(Workbench&)) {
  wb_.input_refused = false;
  draw_command(wb_);
  viewport()->update();
}

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
