// The desktop shell: menus, toolbar and status bar against the documented command table, the
// dialogs, the file-error dialog, the viewers, and the menu commands against the headless front
// end.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <sstream>

#include "cli/cli_app.h"
#include "display/draw_view.h"
#include "display/recording_canvas.h"
#include "support/test_support.h"
#include "ui/command_table.h"
#include "ui/field_dialog.h"
#include "ui/file_error_dlg.h"
#include "ui/files_dlg.h"
#include "ui/main_frame.h"
#include "ui/objective_dlg.h"
#include "ui/vemo_app.h"

namespace vemo {
namespace {

// Menu item path | number | status prompt | tool tip, as documented; "---" is a separator.
const char* const kDocumentedMenu = R"(
&Analysis / Read/Optimize | 32778 | Read in the data and run the optimization | Read/Optimize
&Analysis / Read encrypted St. Mat. | 32818 | Read the stoichiometric matrix into memory | 
---
&Analysis / Read Data | 32771 | Read in the Stoichiometric Matrix | 
&Analysis / Make Conditioned Matrix | 32838 |  | 
---
&Analysis / Optimize | 32772 | Run the optimization routines | 
---
&Analysis / Print Primal | 32773 | Print the primal solution to a file | Primal
&Analysis / Print Dual | 32774 | Print the dual solution to a file | Dual
&Analysis / Print St. Mat. | 32775 | Prints the Stoichiometric Matrix to a file | 
---
&Analysis / &Draw Map | 32776 | Draw the metabolic map | Draw
&Analysis / &Map Options / Scale ... | 32784 | Scale the Map | 
&Analysis / &Map Options / Font Size ... | 32785 | Change the font size of the text in the map | 
&Analysis / &Map Options / Display &Options ... | 32794 | Change the display options | Display Options
---
&Analysis / Select files ... | 32789 | File Options | Files
---
&Analysis / Make encrypted St. Mat. | 32806 | Make the input files for the basic program | 
&Analysis / Objective Function ... | 32819 | Pick the objective function | Objective
---
&Analysis / Read P | 32835 |  | 
&Comparison / Options ... | 32802 |  | 
---
&Comparison / &Do Comparison | 32803 | Do the comparison | 
&Deletion / Single Deletion | 32779 | Run the deletion study | 
&Deletion / Double Deletion | 32780 | Do the double deletions | 
&Deletion / Triple Deletion | 32781 | Calculate all possible triple deletions | 
---
&Deletion / Detailed Deletions | 32796 |  | 
&Deletion / Options ... | 32836 | Options for the detailed deletions | 
&Robustness / Do Robustness | 32800 |  | 
&Robustness / Parameters ... | 32798 |  | 
---
&Robustness / Draw Robustness | 32815 |  | 
&Robustness / Plot Options ... | 32817 |  | 
&Phase Plane / Make Phase Plane | 32782 | Run the analysis to generate the phase plane | 
&Phase Plane / Options ... | 32787 | Parameters used in the generation of the phase plane | 
---
&Phase Plane / Draw Phase Plane | 32786 | Draw the phase plane | 
&Phase Plane / Plot Options ... | 32788 | Parameters to adjust the appearance of the phase plane | 
&Isoclines / Make isoclines | 32783 | Run the program to calculate the isoclines | 
&Isoclines / Options ... | 32810 |  | 
---
&Isoclines / Draw Isoclines | 32813 |  | 
&Isoclines / Plot Options ... | 32812 | The parameters used to draw the plot | 
Co&nnectivity / Do Connectiity | 32805 |  | 
&View / &Toolbar | 59392 | Show or hide the toolbar | Toggle ToolBar
&View / &Status Bar | 59393 | Show or hide the status bar | Toggle StatusBar
---
&View / Reactions File | 32820 | Open the reactions file in a word pad | Open Reactions
&View / Mapper File | 32828 | View the Mapper file | 
&View / Deletion input | 32829 | View the deletion input file | 
&View / Bounds File | 32827 | View the Bounds File | Open Bounds
---
&View / Primal File | 32825 | View the primal file | Open Primal
&View / Dual File | 32826 | View the Dual File | Open Dual
&View / Single Deletion | 32830 |  | 
&View / Phase Plane | 32834 | Open Phase Plane Output File with Excel | 
&Help / &About Vemo... | 57664 | Display program information, version number and copyright | About)";

// Runs action once the next modal dialog is shown (the test itself is blocked in exec()).
void when_modal(std::function<void(QWidget*)> action) {
  QTimer::singleShot(0, [action] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
      when_modal(action);  // not shown yet: look again on the next turn of the event loop
      return;
    }
    action(modal);
  });
}

QAbstractButton* button_named(QWidget* dialog, const QString& text) {
  for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
    if (b->text() == text) return b;
  }
  return nullptr;
}

class DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override { app.init_instance(false); }
  CMainFrame& frame() { return *app.frame(); }

  test::ScratchFolder folder;
  CVemoApp app;
};

void dump_menu(CMainFrame& frame, QMenu* menu, const QString& path, std::ostringstream& out) {
  for (QAction* a : menu->actions()) {
    if (a->isSeparator()) {
      out << "---\n";
    } else if (a->menu() != nullptr) {
      dump_menu(frame, a->menu(), path + " / " + a->text(), out);
    } else {
      emit menu->hovered(a);
      out << (path + " / " + a->text()).toStdString() << " | " << a->data().toInt() << " | "
          << frame.message_text().toStdString() << " | " << a->toolTip().toStdString() << "\n";
    }
  }
}

TEST_F(DesktopTest, MenusFollowTheDocumentedCommandTable) {
  std::ostringstream actual;
  for (QAction* top : frame().menuBar()->actions()) {
    dump_menu(frame(), top->menu(), top->text(), actual);
  }
  std::istringstream expected_lines(kDocumentedMenu + 1), actual_lines(actual.str());
  std::string expected, got;
  int compared = 0;
  while (std::getline(expected_lines, expected)) {
    ASSERT_TRUE(std::getline(actual_lines, got)) << "missing: " << expected;
    if (expected.size() >= 3 && expected.compare(expected.size() - 3, 3, " | ") == 0) {
      got = got.substr(0, got.rfind(" | ") + 3);  // no documented tip: the tip is not checked
    }
    EXPECT_EQ(got, expected);
    ++compared;
  }
  EXPECT_FALSE(std::getline(actual_lines, got)) << "extra: " << got;
  EXPECT_EQ(compared, 61);
  EXPECT_EQ(frame().menuBar()->actions().back()->text(), "&Help");
  EXPECT_EQ(frame().windowTitle(), "Untitled - Vemo");
}

TEST_F(DesktopTest, ToolbarOrderTipsAndStatusPanes) {
  std::vector<int> numbers;
  for (QAction* a : frame().tool_bar()->actions()) {
    numbers.push_back(a->isSeparator() ? 0 : a->data().toInt());
  }
  EXPECT_EQ(numbers, (std::vector<int>{32778, 32776, 0, 32819, 32789, 32794, 0, 32773, 32774, 0,
                                       32825, 32826, 32820, 32827}));
  EXPECT_EQ(frame().action(32773)->toolTip(), "Primal");
  EXPECT_EQ(frame().tool_bar()->iconSize(), QSize(16, 15));
  EXPECT_EQ(frame().message_text(), "Ready");
  for (const char* pane : {"CAP", "NUM", "SCRL"}) {
    EXPECT_NE(frame().statusBar()->findChild<QWidget*>(pane), nullptr) << pane;
  }
}

TEST_F(DesktopTest, PromptsShowWhileHighlightedAndReadyReturns) {
  QMenu* analysis = frame().menuBar()->actions().front()->menu();
  emit analysis->hovered(frame().action(kCmdOptimize));
  EXPECT_EQ(frame().message_text(), "Run the optimization routines");
  emit analysis->hovered(frame().action(kCmdReadP));
  EXPECT_EQ(frame().message_text(), "");  // no prompt: an empty pane
  emit analysis->aboutToHide();
  EXPECT_EQ(frame().message_text(), "Ready");
}

TEST_F(DesktopTest, EveryCommandHasAHandler) {
  for (const CommandEntry& entry : command_table()) {
    if (entry.text == nullptr) continue;
    EXPECT_TRUE(frame().action(entry.number)->isEnabled()) << entry.text;
  }
}

TEST_F(DesktopTest, DeletionMenuRunsTheStudiesAndItsOptions) {
  test::write_file("path.stm", test::kToyNetwork);
  test::write_file("deletion.txt", "1 HEX1 1 PGIR 999");
  frame().action(kCmdSingleDeletion)->trigger();
  EXPECT_EQ(test::read_file("SingleDeletion.out"),
            "Max_Growth= 10.000000\nHEX, 0.000000 (istat = 4)\nPGI, 0.000000 (istat = 4)\n"
            "num_of_reactions_considered= 2\nnum_of_lethal_reactions= 2\n"
            "num_of_retarding_reactions= 0\nnum_of_redundant_reactions= 0\n");
  frame().action(kCmdDoubleDeletion)->trigger();
  frame().action(kCmdTripleDeletion)->trigger();
  QString notice;
  when_modal([&notice](QWidget* box) {
    notice = static_cast<QMessageBox*>(box)->text();
    static_cast<QMessageBox*>(box)->accept();
  });
  frame().action(kCmdDetailedDeletions)->trigger();
  EXPECT_TRUE(notice.contains("no row for some names of the precursor drains"));
  EXPECT_TRUE(std::filesystem::exists("DoubleDeletion.out"));
  EXPECT_TRUE(std::filesystem::exists("TripleDeletion.out"));
  EXPECT_TRUE(std::filesystem::exists("DetailedDeletion.out"));

  when_modal([](QWidget* dialog) {
    QCheckBox* box = dialog->findChild<QCheckBox*>();
    EXPECT_EQ(box->text(), "Precursors only");
    EXPECT_TRUE(box->isChecked());  // ticked the first time
    box->setChecked(false);
    button_named(dialog, "Cancel")->click();
  });
  frame().action(kCmdDeletionOptions)->trigger();
  EXPECT_EQ(app.workbench().precursors_only, 1);
  when_modal([](QWidget* dialog) {
    dialog->findChild<QCheckBox*>()->setChecked(false);
    button_named(dialog, "OK")->click();
  });
  frame().action(kCmdDeletionOptions)->trigger();
  EXPECT_EQ(app.workbench().precursors_only, 0);
}

TEST_F(DesktopTest, ToolbarToggleCarriesACheckMark) {
  frame().show();
  QAction* toggle = frame().action(kCmdToggleToolbar);
  EXPECT_TRUE(toggle->isChecked());
  toggle->trigger();
  EXPECT_FALSE(frame().tool_bar()->isVisible());
  EXPECT_FALSE(toggle->isChecked());
  toggle->trigger();
  EXPECT_TRUE(frame().tool_bar()->isVisible());
  EXPECT_TRUE(toggle->isChecked());
  frame().action(kCmdToggleStatusBar)->trigger();
  EXPECT_FALSE(frame().action(kCmdToggleStatusBar)->isChecked());
}

TEST_F(DesktopTest, MenuCommandsWriteWhatTheHeadlessFrontEndWrites) {
  test::copy_data_file("path.stm");
  frame().action(kCmdReadOptimize)->trigger();
  frame().action(kCmdPrintPrimal)->trigger();
  frame().action(kCmdPrintDual)->trigger();
  std::filesystem::create_directory("cli");
  std::filesystem::copy_file("path.stm", "cli/path.stm");
  std::ostringstream out, err;
  ASSERT_EQ(run_cli({"-C", "cli", "read-optimize", "print-primal", "print-dual"}, out, err), 0);
  EXPECT_EQ(test::read_file("Primal.out"), test::read_file("cli/Primal.out"));
  EXPECT_EQ(test::read_file("Dual.out"), test::read_file("cli/Dual.out"));
  EXPECT_NE(test::read_file("Primal.out").find("Growth   0.87392"), std::string::npos);
}

TEST_F(DesktopTest, FileErrorDialogRetriesUntilOk) {
  // First "Re-try" after creating the file: the read goes on.
  when_modal([](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "ERROR !!!");
    test::write_file("path.stm", test::kToyNetwork);
    button_named(dialog, "Re-try")->click();
  });
  frame().action(kCmdReadData)->trigger();
  EXPECT_EQ(app.workbench().model.num_of_reactions, 4);
  EXPECT_EQ(app.workbench().model.file_abort, 0);

  // "OK" gives up: file_abort is set and a chained optimize does nothing.
  app.workbench().settings.reactions_file = "missing.stm";
  when_modal([](QWidget* dialog) { button_named(dialog, "OK")->click(); });
  frame().action(kCmdReadOptimize)->trigger();
  EXPECT_EQ(app.workbench().model.file_abort, 1);
  EXPECT_FALSE(std::filesystem::exists("info.OUT"));

  // Escape counts as "Re-try".
  when_modal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
  when_modal([](QWidget* dialog) { button_named(dialog, "OK")->click(); });
  EXPECT_FALSE(CFileErrorDlg::ask_retry(nullptr) && CFileErrorDlg::ask_retry(nullptr));
}

TEST_F(DesktopTest, ObjectiveDialogStoresOnlyOnOk) {
  Workbench& wb = app.workbench();
  when_modal([](QWidget* dialog) {
    auto radios = dialog->findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 17);
    EXPECT_TRUE(radios[4]->isChecked());  // "Other" at start-up
    EXPECT_EQ(radios[1]->text(), "ATP Synthesis ");
    radios[12]->setChecked(true);
    button_named(dialog, "Cancel")->click();
  });
  frame().action(kCmdObjective)->trigger();
  EXPECT_EQ(wb.model.objective_choice, 4);
  when_modal([](QWidget* dialog) {
    dialog->findChildren<QRadioButton*>()[12]->setChecked(true);  // "Pyruvate"
    button_named(dialog, "OK")->click();
  });
  frame().action(kCmdObjective)->trigger();
  EXPECT_EQ(wb.model.objective_choice, 12);
}

TEST_F(DesktopTest, FilesDialogEditsEveryNameAndTheRangingFlag) {
  Workbench& wb = app.workbench();
  when_modal([](QWidget* dialog) {
    dialog->findChild<QLineEdit*>("Primal file")->setText("other.out");
    button_named(dialog, "Cancel")->click();
  });
  frame().action(kCmdSelectFiles)->trigger();
  EXPECT_EQ(wb.settings.primal_file, "Primal.out");
  when_modal([](QWidget* dialog) {
    EXPECT_EQ(dialog->findChildren<QLineEdit*>().size(), 14);
    dialog->findChild<QLineEdit*>("Primal file")->setText("other.out");
    dialog->findChild<QLineEdit*>("Connectivity File")->setText("conn.txt");
    dialog->findChild<QCheckBox*>()->setChecked(true);
    button_named(dialog, "OK")->click();
  });
  frame().action(kCmdSelectFiles)->trigger();
  EXPECT_EQ(wb.settings.primal_file, "other.out");
  EXPECT_EQ(wb.settings.connectivity_file, "conn.txt");
  EXPECT_EQ(wb.model.do_ranging, 1);
}

TEST_F(DesktopTest, MapOptionsValidateAndRedraw) {
  test::write_file("path.stm", test::kToyNetwork);
  test::write_file("mapper.txt", "3 10 10 GLC 999");
  Workbench& wb = app.workbench();
  when_modal([](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Scale");
    auto* edit = dialog->findChild<QLineEdit*>();
    EXPECT_EQ(edit->text(), "1");
    edit->setText("2.5");
    when_modal([](QWidget* box) {
      EXPECT_EQ(static_cast<QMessageBox*>(box)->text(), "Please enter a number between 0.2 and 2.");
      static_cast<QMessageBox*>(box)->accept();
      QWidget* scale = QApplication::activeModalWidget();
      scale->findChild<QLineEdit*>()->setText("1.5");
      button_named(scale, "OK")->click();
    });
    button_named(dialog, "OK")->click();
  });
  frame().action(kCmdMapScale)->trigger();
  EXPECT_EQ(wb.map_scale, 1.5f);
  EXPECT_EQ(wb.map.num_of_map_labels, 1);  // the map was drawn

  wb.map_font_size = 0;
  when_modal([](QWidget* dialog) {
    EXPECT_EQ(dialog->findChild<QLineEdit*>()->text(), "11");
    button_named(dialog, "Cancel")->click();
  });
  frame().action(kCmdMapFontSize)->trigger();
  EXPECT_EQ(wb.map_font_size, 0);

  when_modal([](QWidget* dialog) {
    auto boxes = dialog->findChildren<QCheckBox*>();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0]->text(), "Display the &Fluxes with zero");
    boxes[1]->setChecked(true);
    button_named(dialog, "OK")->click();
  });
  frame().action(kCmdDisplayOptions)->trigger();
  EXPECT_EQ(wb.color_metabolites, 1);
  EXPECT_EQ(wb.color_fluxes, 0);
}

TEST_F(DesktopTest, ScanMenusRunTheScansAndTheirOptions) {
  test::copy_data_file("path.stm");
  Workbench& wb = app.workbench();
  when_modal([](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Phase Plot Parameters");
    dialog->findChild<QLineEdit*>("Initial X Value")->setText("5");
    dialog->findChild<QLineEdit*>("Final X Value")->setText("2");
    dialog->findChild<QLineEdit*>("z-axis Flux")->setText("NINECHARS");
    when_modal([](QWidget* box) {
      EXPECT_EQ(static_cast<QMessageBox*>(box)->text(), "Please enter no more than 8 characters.");
      static_cast<QMessageBox*>(box)->accept();
      QWidget* again = QApplication::activeModalWidget();
      again->findChild<QLineEdit*>("z-axis Flux")->setText("SUCCxtI");
      button_named(again, "OK")->click();
    });
    button_named(dialog, "OK")->click();
  });
  frame().action(kCmdPhasePlaneOptions)->trigger();
  EXPECT_EQ(wb.phase.final_x, 5.0f);  // corrected up to the initial value
  EXPECT_EQ(wb.phase_plot.x_min, 5.0f);

  when_modal([](QWidget* dialog) {
    dialog->findChild<QLineEdit*>("Steps:")->setText("20");
    button_named(dialog, "OK")->click();
  });
  frame().action(kCmdRobustnessParameters)->trigger();
  EXPECT_EQ(wb.robust.steps, 20);
  when_modal([](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Isocline Options");
    dialog->findChild<QLineEdit*>("Final X Value")->setText("3");
    button_named(dialog, "OK")->click();
  });
  frame().action(kCmdIsoclineOptions)->trigger();
  EXPECT_EQ(wb.isocline.final_x, 3.0f);

  frame().action(kCmdMakePhasePlane)->trigger();
  frame().action(kCmdMakeIsoclines)->trigger();
  frame().action(kCmdDoRobustness)->trigger();
  EXPECT_TRUE(std::filesystem::exists("phasedata.out"));
  EXPECT_GT(wb.isocline_result.isocline_count, 0);
  EXPECT_LT(wb.isocline_result.isocline_count, 4 * 21);  // no growth without glucose
  EXPECT_EQ(wb.robust_result.robust_points.count, 21);
}

TEST_F(DesktopTest, DiagramMenusDrawAndTheirOptionsRedraw) {
  test::copy_data_file("path.stm");
  test::write_file("mapper.txt", "999");
  Workbench& wb = app.workbench();
  frame().action(kCmdDoRobustness)->trigger();
  frame().action(kCmdDrawRobustness)->trigger();
  EXPECT_EQ(wb.plots.robust_count, 101);
  when_modal([](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Robust Plot Parameters");
    dialog->findChild<QLineEdit*>("X-label spacing")->setText("0");
    when_modal([](QWidget* box) {
      EXPECT_EQ(static_cast<QMessageBox*>(box)->text(),
                "Please enter an integer between 1 and 2147483647.");
      static_cast<QMessageBox*>(box)->accept();
      button_named(QApplication::activeModalWidget(), "Cancel")->click();
    });
    button_named(dialog, "OK")->click();
  });
  frame().action(kCmdRobustnessPlotOptions)->trigger();
  EXPECT_EQ(wb.robust_plot.x_label, 1);

  frame().action(kCmdMakeIsoclines)->trigger();
  when_modal([](QWidget* dialog) {
    auto radios = dialog->findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 6);
    radios[5]->setChecked(true);  // Lactate
    button_named(dialog, "OK")->click();
  });
  frame().action(kCmdIsoclinePlotOptions)->trigger();
  EXPECT_EQ(wb.isocline_plot.isocline_to_plot, 5);
  EXPECT_EQ(wb.plots.isocline_count, wb.isocline_result.isocline_count);

  frame().action(kCmdMakePhasePlane)->trigger();
  when_modal([](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Phase Plot Options");
    dialog->findChild<QLineEdit*>("X max")->setText("10");
    button_named(dialog, "OK")->click();
  });
  frame().action(kCmdPhasePlotOptions)->trigger();
  EXPECT_EQ(wb.phase_plot.x_max, 10.0f);
  EXPECT_GT(wb.plots.primary_count, 0);
}

TEST_F(DesktopTest, ComparisonOptionsAndTheComparisonOnTheMap) {
  for (const char* f : {"path.stm", "Path2.stm", "mapper.txt"}) test::copy_data_file(f);
  Workbench& wb = app.workbench();
  when_modal([](QWidget* dialog) {
    auto edits = dialog->findChildren<QLineEdit*>();
    ASSERT_EQ(edits.size(), 3);
    EXPECT_EQ(edits[0]->text(), "Path2.stm");
    edits[1]->setText("2");
    button_named(dialog, "OK")->click();
  });
  frame().action(kCmdComparisonOptions)->trigger();
  EXPECT_EQ(wb.tools.comparison.increased_threshold, 2.0f);
  frame().action(kCmdDoComparison)->trigger();
  EXPECT_EQ(wb.model.second_file_read, 1);
  frame().action(kCmdDrawMap)->trigger();
  RecordingCanvas canvas;
  draw_view(wb, canvas);
  // Reactions the knockout strain lacks are drawn as not found: the pink dotted pen.
  EXPECT_NE(std::find(canvas.calls.begin(), canvas.calls.end(), "pen dotted 1 255,100,100"),
            canvas.calls.end());
}

// A dialog with one integer and one number field, to exercise the validation.
class RangeDialog : public CFieldDialog {
 public:
  RangeDialog(int* size, float* scale) : CFieldDialog(nullptr, "Range") {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(size_edit = bind_edit(SettingField::integer_field("size", size, 1, 28)));
    layout->addWidget(scale_edit = bind_edit(SettingField::number_field("scale", scale, 0.2, 2.0)));
    layout->addWidget(make_ok_cancel());
  }
  QLineEdit* size_edit;
  QLineEdit* scale_edit;
};

TEST(FieldDialogTest, ValidatesOnOkAndKeepsTheDialogOpen) {
  int size = 11;
  float scale = 1.0f;
  RangeDialog dialog(&size, &scale);
  EXPECT_EQ(dialog.size_edit->text(), "11");
  struct Case {
    const char* size;
    const char* scale;
    const char* message;
  };
  for (const Case& c : {Case{"abc", "1", "Please enter an integer."},
                        Case{"30", "1", "Please enter an integer between 1 and 28."},
                        Case{"12", "x", "Please enter a number."},
                        Case{"12", "3.5", "Please enter a number between 0.2 and 2."}}) {
    dialog.size_edit->setText(c.size);
    dialog.scale_edit->setText(c.scale);
    QString shown;
    when_modal([&shown](QWidget* box) {
      shown = static_cast<QMessageBox*>(box)->text();
      static_cast<QMessageBox*>(box)->accept();
    });
    dialog.accept();
    EXPECT_EQ(shown, c.message);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);  // still open, nothing stored
    EXPECT_EQ(size, 11);
    EXPECT_EQ(scale, 1.0f);
  }
  dialog.size_edit->setText("12");
  dialog.scale_edit->setText("0.5");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(size, 12);
  EXPECT_EQ(scale, 0.5f);
}

TEST_F(DesktopTest, ViewersGetThePathAndTheUnquotedFileName) {
  std::vector<QStringList> started;
  frame().viewer_launcher = [&](const QString& program, const QStringList& arguments) {
    started.push_back(QStringList{program} + arguments);
    return true;
  };
  frame().viewer_paths = {"textview ", "calc --sheet "};
  frame().action(kCmdViewReactions)->trigger();
  frame().action(kCmdViewPhasePlane)->trigger();
  app.workbench().settings.primal_file = "my primal.out";
  frame().action(kCmdViewPrimal)->trigger();
  app.workbench().settings.reactions_file = "other.stm";
  frame().action(kCmdViewBounds)->trigger();
  ASSERT_EQ(started.size(), 4u);
  EXPECT_EQ(started[0], (QStringList{"textview", "path.stm"}));
  EXPECT_EQ(started[1], (QStringList{"calc", "--sheet", "phasedata.out"}));
  EXPECT_EQ(started[2], (QStringList{"textview", "my", "primal.out"}));
  EXPECT_EQ(started[3], (QStringList{"textview", "Bounds.stm"}));
  EXPECT_EQ(viewer_command("textview ", "path.stm"), "textview path.stm");
}

}  // namespace
}  // namespace vemo

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
