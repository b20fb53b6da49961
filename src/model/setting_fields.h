// Every user-editable setting by its field name, with the range its dialog allows, so that a
// front end can set any of them by name ("vemo-cli --set NAME=VALUE") and get the dialog's own
// message for a bad value.
//
// Each settings record contributes its fields through one add_*_fields function called from
// setting_fields(); records that share field names prefix theirs ("phase.", "isocline.", ...).
#ifndef VEMO_MODEL_SETTING_FIELDS_H_
#define VEMO_MODEL_SETTING_FIELDS_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/workbench.h"

namespace vemo {

struct SettingField {
  enum class Kind { kText, kInteger, kNumber };

  std::string name;
  Kind kind = Kind::kText;
  std::string* text = nullptr;
  int* integer = nullptr;
  float* number = nullptr;
  double min = 0.0;  // the allowed range of an integer or number
  double max = 0.0;
  size_t max_length = 0;  // the longest text allowed; 0 for any

  static SettingField text_field(std::string name, std::string* target, size_t max_length = 0);
  static SettingField integer_field(std::string name, int* target, int min, int max);
  static SettingField number_field(std::string name, float* target, double min, double max);
  // A number of any value a float can hold.
  static SettingField any_number_field(std::string name, float* target);
};

// The fields of every settings record of the workbench, pointing into it.
std::vector<SettingField> setting_fields(Workbench& wb);

// Checks value against the field's kind and range and stores it. Returns the dialog's message
// for a bad value ("Please enter an integer.", "Please enter an integer between 0 and 16.", ...),
// or nothing on success; the field is left unchanged on failure.
std::optional<std::string> assign_field(const SettingField& field, std::string_view value);

// The field called name among setting_fields(wb), or nothing.
std::optional<SettingField> find_setting(Workbench& wb, std::string_view name);

// Finds the field called name among setting_fields(wb) and assigns value; returns the error
// message, "unknown setting 'NAME'" for a name that is not there.
std::optional<std::string> assign_setting(Workbench& wb, std::string_view name,
                                          std::string_view value);

// The file and name settings and the flags of the network model.
void add_model_fields(Workbench& wb, std::vector<SettingField>& fields);
// The scans' records, prefixed "phase.", "isocline." and "robust.".
void add_scan_fields(Workbench& wb, std::vector<SettingField>& fields);
// The diagrams' options, prefixed "phase_plot.", "robust_plot." and "isocline_plot." (the
// regions as "isocline_plot.region_lower[1]" to "[6]"). Label spacings must be at least 1.
void add_plot_fields(Workbench& wb, std::vector<SettingField>& fields);

}  // namespace vemo

#endif  // VEMO_MODEL_SETTING_FIELDS_H_
