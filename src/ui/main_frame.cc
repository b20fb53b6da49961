#include "ui/main_frame.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "analyses/conditioned_matrix.h"
#include "analyses/connectivity.h"
#include "analyses/detailed_deletion.h"
#include "analyses/double_deletion.h"
#include "analyses/isoclines.h"
#include "analyses/network_comparison.h"
#include "analyses/obscured_matrix.h"
#include "analyses/pathway_evaluation.h"
#include "analyses/phase_plane.h"
#include "analyses/robustness.h"
#include "analyses/single_deletion.h"
#include "analyses/triple_deletion.h"
#include "lp/optimize.h"
#include "lp/solution_reports.h"
#include "model/reactions_reader.h"
#include "ui/command_table.h"
#include "ui/comparison_options_dlg.h"
#include "ui/deletion_options_dlg.h"
#include "ui/file_error_dlg.h"
#include "ui/files_dlg.h"
#include "ui/objective_dlg.h"
#include "ui/scan_option_dlgs.h"
#include "ui/toolbar_icons.h"
#include "ui/vemo_view.h"

namespace vemo {

namespace {

const char* const kIdleText = "Ready";
const char* const kBoundsFile = "Bounds.stm";

QMenu* find_or_add_menu(QMenuBar* bar, std::map<QString, QMenu*>& menus, const QString& title) {
  auto it = menus.find(title);
  if (it != menus.end()) return it->second;
  QMenu* menu = bar->addMenu(title);
  menus[title] = menu;
  return menu;
}

}  // namespace

CMainFrame::CMainFrame(Workbench& wb, CommandHandler& document, CommandHandler& application)
    : wb_(wb) {
  setWindowTitle("Untitled - Vemo");
  view_ = new CVemoView(this, wb_);
  setCentralWidget(view_);
  handlers_ = {view_, &document, this, &application};

  wb_.file_error_handler = [this](const std::string&, OpenMode, const std::string&) {
    return CFileErrorDlg::ask_retry(this);
  };
  wb_.message_handler = [this](const std::string& text) {
    QMessageBox::warning(this, "Vemo", QString::fromStdString(text));
  };

  register_frame_commands();
  build_menus();
  build_tool_bar();
  build_status_bar();
  resize(1100, 760);
}

template <typename Dialog>
std::function<void()> CMainFrame::dialog_command() {
  return [this] { Dialog(this, wb_).exec(); };
}

void CMainFrame::register_frame_commands() {
  const auto model_command = [this](void (*command)(Workbench&)) {
    return [this, command] {
      wb_.input_refused = false;
      command(wb_);
    };
  };
  frame_commands_[kCmdReadOptimize] = model_command(read_optimize);
  frame_commands_[kCmdReadData] = model_command(read_data);
  frame_commands_[kCmdOptimize] = model_command(optimize);
  frame_commands_[kCmdPrintPrimal] = model_command(print_primal);
  frame_commands_[kCmdPrintDual] = model_command(print_dual);
  frame_commands_[kCmdPrintStmat] = model_command(print_stmat);
  frame_commands_[kCmdSingleDeletion] = model_command(single_deletion);
  frame_commands_[kCmdDoubleDeletion] = model_command(double_deletion);
  frame_commands_[kCmdTripleDeletion] = model_command(triple_deletion);
  frame_commands_[kCmdDetailedDeletions] = model_command(detailed_deletions);
  frame_commands_[kCmdDeletionOptions] = dialog_command<CDeletionOptionsDlg>();
  frame_commands_[kCmdMakePhasePlane] = model_command(make_phase_plane);
  frame_commands_[kCmdPhasePlaneOptions] = dialog_command<CPhasePlotParametersDlg>();
  frame_commands_[kCmdMakeIsoclines] = model_command(make_isoclines);
  frame_commands_[kCmdIsoclineOptions] = dialog_command<CIsoclineOptionsDlg>();
  frame_commands_[kCmdDoRobustness] = model_command(do_robustness);
  frame_commands_[kCmdRobustnessParameters] = dialog_command<CRobustnessParamsDlg>();
  frame_commands_[kCmdComparisonOptions] = dialog_command<CComparisonOptionsDlg>();
  frame_commands_[kCmdDoComparison] = model_command(do_comparison);
  frame_commands_[kCmdConnectivity] = model_command(connectivity);
  frame_commands_[kCmdConditionedMatrix] = model_command(make_conditioned_matrix);
  frame_commands_[kCmdMakeEncrypted] = model_command(make_encrypted_matrix);
  frame_commands_[kCmdReadEncrypted] = model_command(read_encrypted_matrix);
  frame_commands_[kCmdReadP] = model_command(read_p);
  frame_commands_[kCmdSelectFiles] = dialog_command<CFilesDlg>();
  frame_commands_[kCmdObjective] = dialog_command<CObjectiveDlg>();
  frame_commands_[kCmdToggleToolbar] = [this] { tool_bar_->setVisible(!tool_bar_->isVisible()); };
  frame_commands_[kCmdToggleStatusBar] = [this] {
    statusBar()->setVisible(!statusBar()->isVisible());
  };

  const Settings& s = wb_.settings;
  add_viewer(
      kCmdViewReactions, [&s] { return s.reactions_file; }, false);
  add_viewer(
      kCmdViewMapper, [&s] { return s.mapper_file; }, false);
  add_viewer(
      kCmdViewDeletionInput, [&s] { return s.deletion_input_file; }, false);
  add_viewer(
      kCmdViewBounds, [] { return std::string(kBoundsFile); }, false);
  add_viewer(
      kCmdViewPrimal, [&s] { return s.primal_file; }, false);
  add_viewer(
      kCmdViewDual, [&s] { return s.dual_file; }, false);
  add_viewer(
      kCmdViewSingleDeletion, [&s] { return s.single_deletion_file; }, false);
  add_viewer(
      kCmdViewPhasePlane, [&s] { return s.phase_file; }, true);
}

void CMainFrame::add_viewer(int number, std::function<std::string()> file_name, bool spreadsheet) {
  frame_commands_[number] = [this, file_name, spreadsheet] {
    const std::string& path =
        spreadsheet ? viewer_paths.spreadsheet_viewer_path : viewer_paths.text_viewer_path;
    const std::string command_line = viewer_command(path, file_name());
    // The viewer's fate is its own; a program that cannot be started is only noted in the
    // status bar, so the user is not left wondering.
    if (!start_viewer(command_line, viewer_launcher)) {
      statusBar()->showMessage(
          QString("Could not start: %1").arg(QString::fromStdString(command_line)), 5000);
    }
  };
}

bool CMainFrame::has_handler(int number) const { return frame_commands_.count(number) != 0; }

void CMainFrame::handle_command(int number) {
  auto it = frame_commands_.find(number);
  if (it != frame_commands_.end()) it->second();
}

void CMainFrame::route_command(int number) {
  for (CommandHandler* handler : handlers_) {
    if (handler->has_handler(number)) {
      handler->handle_command(number);
      return;
    }
  }
}

QAction* CMainFrame::action(int number) const {
  auto it = actions_.find(number);
  return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::build_menus() {
  std::map<QString, QMenu*> menus;
  std::map<QString, QMenu*> submenus;
  for (const CommandEntry& entry : command_table()) {
    QMenu* menu = find_or_add_menu(menuBar(), menus, entry.menu);
    if (entry.submenu != nullptr) {
      auto it = submenus.find(entry.submenu);
      if (it == submenus.end()) {
        it = submenus.emplace(entry.submenu, menu->addMenu(entry.submenu)).first;
        connect(it->second, &QMenu::hovered, this,
                [this](QAction* a) { show_prompt(a->data().toInt()); });
      }
      menu = it->second;
    }
    if (entry.text == nullptr) {
      menu->addSeparator();
      continue;
    }
    QAction* action = menu->addAction(entry.text);
    action->setData(entry.number);
    action->setToolTip(*entry.tip != '\0' ? entry.tip : QString(entry.text).remove('&'));
    action->setIcon(toolbar_icon(entry.number));
    action->setIconVisibleInMenu(false);
    const bool handled = std::any_of(handlers_.begin(), handlers_.end(), [&](CommandHandler* h) {
      return h->has_handler(entry.number);
    });
    action->setEnabled(handled);
    connect(action, &QAction::triggered, this,
            [this, number = entry.number] { route_command(number); });
    actions_[entry.number] = action;
  }
  for (auto& [title, menu] : menus) {
    connect(menu, &QMenu::hovered, this, [this](QAction* a) { show_prompt(a->data().toInt()); });
    connect(menu, &QMenu::aboutToHide, this, &CMainFrame::show_idle);
  }
}

void CMainFrame::build_tool_bar() {
  tool_bar_ = addToolBar("Toolbar");
  tool_bar_->setObjectName("Toolbar");
  tool_bar_->setIconSize(QSize(kToolbarIconWidth, kToolbarIconHeight));
  tool_bar_->setMovable(true);
  tool_bar_->setFloatable(true);
  tool_bar_->setAllowedAreas(Qt::AllToolBarAreas);
  for (int number : toolbar_layout()) {
    if (number == 0) {
      tool_bar_->addSeparator();
      continue;
    }
    QAction* a = action(number);
    tool_bar_->addAction(a);
    if (QWidget* button = tool_bar_->widgetForAction(a)) {
      button->setProperty("vemo_command", number);
      button->installEventFilter(this);
    }
  }
  QAction* toggle = action(kCmdToggleToolbar);
  toggle->setCheckable(true);
  toggle->setChecked(true);
  connect(tool_bar_, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::build_status_bar() {
  message_pane_ = new QLabel(kIdleText, this);
  statusBar()->addWidget(message_pane_, 1);
  for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
    auto* pane = new QLabel(indicator, this);
    pane->setObjectName(indicator);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance("SCRL") + 10);
    // The keyboard state cannot be read portably: the indicators stay in their "off" look.
    pane->setEnabled(false);
    statusBar()->addPermanentWidget(pane);
  }
  QAction* toggle = action(kCmdToggleStatusBar);
  toggle->setCheckable(true);
  toggle->setChecked(true);
  statusBar()->installEventFilter(this);
}

void CMainFrame::show_prompt(int number) {
  const CommandEntry* entry = find_command(number);
  message_pane_->setText(entry != nullptr ? entry->prompt : "");
}

void CMainFrame::show_idle() { message_pane_->setText(kIdleText); }

QString CMainFrame::message_text() const { return message_pane_->text(); }

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == statusBar() && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
    action(kCmdToggleStatusBar)->setChecked(event->type() == QEvent::Show);
  } else if (event->type() == QEvent::Enter && watched->property("vemo_command").isValid()) {
    show_prompt(watched->property("vemo_command").toInt());
  } else if (event->type() == QEvent::Leave && watched->property("vemo_command").isValid()) {
    show_idle();
  }
  return QMainWindow::eventFilter(watched, event);
}

bool CMainFrame::event(QEvent* event) {
  // Prompts come from the command table through the message pane, not from Qt's status tips.
  if (event->type() == QEvent::StatusTip) return true;
  return QMainWindow::event(event);
}

}  // namespace vemo
