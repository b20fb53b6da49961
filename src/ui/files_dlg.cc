#include "ui/files_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <span>

namespace vemo {

namespace {

struct FileRow {
  const char* label;
  std::string Settings::*setting;
};

// The left column: the files of the optimisation run (the range check box stands after the
// primal file); the right column: the analyses' files.
constexpr FileRow kLeftColumn[] = {
    {"Reactions file", &Settings::reactions_file},
    {"Primal file", &Settings::primal_file},
    {nullptr, nullptr},
    {"Dual file", &Settings::dual_file},
    {"Stoich. Mat.", &Settings::stmat_file},
    {"Phase Plane", &Settings::phase_file},
    {"Mapper file", &Settings::mapper_file},
};
constexpr FileRow kRightColumn[] = {
    {"Deletion Input", &Settings::deletion_input_file},
    {"Single Deletion", &Settings::single_deletion_file},
    {"Double Deletion", &Settings::double_deletion_file},
    {"Triple Deletion", &Settings::triple_deletion_file},
    {"Isocline Data", &Settings::isocline_file},
    {"Detailed Deletion", &Settings::detailed_deletion_file},
    {"Robustness File", &Settings::robust_file},
    {"Connectivity File", &Settings::connectivity_file},
};

}  // namespace

CFilesDlg::CFilesDlg(QWidget* parent, Workbench& wb) : CFieldDialog(parent, "Dialog") {
  auto* grid = new QGridLayout;
  const auto add_column = [&](std::span<const FileRow> rows, int column) {
    int row = 0;
    for (const FileRow& r : rows) {
      if (r.label == nullptr) {
        grid->addWidget(bind_check("Do Range Sensitivity Analysis", &wb.model.do_ranging), row++,
                        column, 1, 2);
        continue;
      }
      QLineEdit* edit = bind_edit(SettingField::text_field(r.label, &(wb.settings.*r.setting)));
      edit->setObjectName(r.label);
      auto* label = new QLabel(r.label, this);
      label->setBuddy(edit);
      grid->addWidget(label, row, column);
      grid->addWidget(edit, row++, column + 1);
    }
  };
  add_column(kLeftColumn, 0);
  add_column(kRightColumn, 2);
  grid->setColumnMinimumWidth(1, 160);
  grid->setColumnMinimumWidth(3, 160);
  grid->setHorizontalSpacing(10);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(make_ok_cancel());
}

}  // namespace vemo
