// The one view: a 4000 x 2000 scrolling drawing area whose paint hands a QPainter-backed canvas
// to the shared draw operation. It also keeps the view's own commands (drawing and its options).
#ifndef VEMO_UI_VEMO_VIEW_H_
#define VEMO_UI_VEMO_VIEW_H_

#include <QAbstractScrollArea>
#include <functional>
#include <map>

#include "model/workbench.h"
#include "ui/command_handler.h"

namespace vemo {

class CVemoView : public QAbstractScrollArea, public CommandHandler {
  Q_OBJECT

 public:
  CVemoView(QWidget* parent, Workbench& wb);

  bool has_handler(int number) const override;
  void handle_command(int number) override;

  // Loads the map and repaints the whole view, as every drawing command ends.
  void redraw_map();
  // Runs a Draw command (which ends by loading the map) and repaints the whole view.
  void redraw_with(bool (*draw_command)(Workbench&));

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void update_scroll_ranges();

  Workbench& wb_;
  std::map<int, std::function<void()>> commands_;
};

}  // namespace vemo

#endif  // VEMO_UI_VEMO_VIEW_H_
