#include "model/setting_fields.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "analyses/network_comparison.h"
#include "model/token_reader.h"

namespace vemo {

namespace {

std::string_view trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// A range bound as the dialog messages show it.
std::string range_text(double value) {
  char text[32];
  const bool whole = value == std::floor(value) && std::fabs(value) < 1e15;
  std::snprintf(text, sizeof text, whole ? "%.0f" : "%g", value);
  return text;
}

std::optional<std::string> assign_integer(const SettingField& f, std::string_view value) {
  int parsed = 0;
  const char* end = value.data() + value.size();
  std::string_view digits = value;
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  const auto [ptr, ec] = std::from_chars(digits.data(), end, parsed);
  const std::string range_message =
      "Please enter an integer between " + range_text(f.min) + " and " + range_text(f.max) + ".";
  if (value.empty() || ptr != end) return "Please enter an integer.";
  if (ec == std::errc::result_out_of_range || parsed < f.min || parsed > f.max) {
    return range_message;
  }
  *f.integer = parsed;
  return std::nullopt;
}

std::optional<std::string> assign_number(const SettingField& f, std::string_view value) {
  const ParsedNumber parsed = parse_leading_number(value);
  const bool unbounded = std::isinf(f.min) && std::isinf(f.max);
  if (parsed.status == NumberStatus::kNotNumber || !parsed.whole_token ||
      (unbounded && parsed.status == NumberStatus::kOutOfRange)) {
    return "Please enter a number.";
  }
  if (parsed.status == NumberStatus::kOutOfRange || parsed.value < f.min || parsed.value > f.max) {
    return "Please enter a number between " + range_text(f.min) + " and " + range_text(f.max) + ".";
  }
  *f.number = parsed.value;
  return std::nullopt;
}

}  // namespace

SettingField SettingField::text_field(std::string name, std::string* target, size_t max_length) {
  SettingField f;
  f.name = std::move(name);
  f.kind = Kind::kText;
  f.text = target;
  f.max_length = max_length;
  return f;
}

SettingField SettingField::any_number_field(std::string name, float* target) {
  return number_field(std::move(name), target, -HUGE_VAL, HUGE_VAL);
}

SettingField SettingField::integer_field(std::string name, int* target, int min, int max) {
  SettingField f;
  f.name = std::move(name);
  f.kind = Kind::kInteger;
  f.integer = target;
  f.min = min;
  f.max = max;
  return f;
}

SettingField SettingField::number_field(std::string name, float* target, double min, double max) {
  SettingField f;
  f.name = std::move(name);
  f.kind = Kind::kNumber;
  f.number = target;
  f.min = min;
  f.max = max;
  return f;
}

std::optional<std::string> assign_field(const SettingField& field, std::string_view value) {
  switch (field.kind) {
    case SettingField::Kind::kText:
      if (field.max_length != 0 && value.size() > field.max_length) {
        return "Please enter no more than " + std::to_string(field.max_length) + " characters.";
      }
      *field.text = std::string(value);
      return std::nullopt;
    case SettingField::Kind::kInteger:
      return assign_integer(field, trimmed(value));
    case SettingField::Kind::kNumber:
      return assign_number(field, trimmed(value));
  }
  return std::nullopt;
}

void add_model_fields(Workbench& wb, std::vector<SettingField>& fields) {
  Settings& s = wb.settings;
  const std::pair<const char*, std::string*> texts[] = {
      {"reactions_file", &s.reactions_file},
      {"second_reactions_file", &s.second_reactions_file},
      {"primal_file", &s.primal_file},
      {"dual_file", &s.dual_file},
      {"stmat_file", &s.stmat_file},
      {"phase_file", &s.phase_file},
      {"mapper_file", &s.mapper_file},
      {"deletion_input_file", &s.deletion_input_file},
      {"single_deletion_file", &s.single_deletion_file},
      {"double_deletion_file", &s.double_deletion_file},
      {"triple_deletion_file", &s.triple_deletion_file},
      {"detailed_deletion_file", &s.detailed_deletion_file},
      {"isocline_file", &s.isocline_file},
      {"robust_file", &s.robust_file},
      {"connectivity_file", &s.connectivity_file},
      {"robust_enzyme_1", &s.robust_enzyme_1},
      {"robust_enzyme_2", &s.robust_enzyme_2},
      {"robust_enzyme_3", &s.robust_enzyme_3},
      {"phase_x_flux", &s.phase_x_flux},
      {"phase_y_flux", &s.phase_y_flux},
      {"phase_x_metabolite", &s.phase_x_metabolite},
      {"phase_y_metabolite", &s.phase_y_metabolite},
      {"isocline_x_flux", &s.isocline_x_flux},
      {"isocline_y_flux", &s.isocline_y_flux},
  };
  for (const auto& [name, target] : texts) fields.push_back(SettingField::text_field(name, target));
  fields.push_back(SettingField::text_field("phase_z_flux", &s.phase_z_flux, kMaxNameLength));
  fields.push_back(SettingField::integer_field("do_ranging", &wb.model.do_ranging, 0, 1));
  fields.push_back(
      SettingField::integer_field("objective_choice", &wb.model.objective_choice, 0, 16));
  fields.push_back(SettingField::integer_field("precursors_only", &wb.precursors_only, 0, 1));
  fields.push_back(SettingField::integer_field("color_fluxes", &wb.color_fluxes, 0, 1));
  fields.push_back(SettingField::integer_field("color_metabolites", &wb.color_metabolites, 0, 1));
  fields.push_back(SettingField::number_field("map_scale", &wb.map_scale, 0.2, 2.0));
  fields.push_back(SettingField::integer_field("map_font_size", &wb.map_font_size, 1, 28));
}

void add_scan_fields(Workbench& wb, std::vector<SettingField>& fields) {
  using F = SettingField;
  PhasePlaneSettings& p = wb.phase;
  fields.push_back(F::any_number_field("phase.initial_x", &p.initial_x));
  fields.push_back(F::any_number_field("phase.final_x", &p.final_x));
  fields.push_back(F::any_number_field("phase.initial_y", &p.initial_y));
  fields.push_back(F::any_number_field("phase.final_y", &p.final_y));
  fields.push_back(F::number_field("phase.x_step", &p.x_step, 0.0, 20.0));
  fields.push_back(F::number_field("phase.sensitivity", &p.sensitivity, 0.0001, 1.0));
  fields.push_back(F::integer_field("phase.use_metabolite_data", &p.use_metabolite_data, 0, 1));
  fields.push_back(F::integer_field("phase.filter_data", &p.filter_data, 0, 1));
  fields.push_back(F::integer_field("phase.three_d", &p.three_d, 0, 1));
  fields.push_back(F::number_field("phase.z_initial", &p.z_initial, 0.0, 1000.0));
  fields.push_back(F::number_field("phase.z_step", &p.z_step, 0.1, 100.0));
  fields.push_back(F::number_field("phase.z_final", &p.z_final, 0.0, 1000.0));

  IsoclineSettings& i = wb.isocline;
  fields.push_back(F::any_number_field("isocline.initial_x", &i.initial_x));
  fields.push_back(F::any_number_field("isocline.final_x", &i.final_x));
  fields.push_back(F::any_number_field("isocline.initial_y", &i.initial_y));
  fields.push_back(F::any_number_field("isocline.final_y", &i.final_y));
  fields.push_back(F::number_field("isocline.step_size", &i.step_size, 0.1, 10.0));
  fields.push_back(F::integer_field("isocline.print_fluxes", &i.print_fluxes, 0, 1));

  RobustnessSettings& r = wb.robust;
  fields.push_back(F::number_field("robust.low_value", &r.low_value, 0.0, 1000.0));
  fields.push_back(F::number_field("robust.high_value", &r.high_value, 0.0, 1000.0));
  fields.push_back(F::integer_field("robust.steps", &r.steps, 5, 500));
  fields.push_back(F::integer_field("robust.automatically", &r.automatically, 0, 1));
}

void add_plot_fields(Workbench& wb, std::vector<SettingField>& fields) {
  using F = SettingField;
  constexpr int kAnyInteger = std::numeric_limits<int>::max();
  PhasePlotOptions& p = wb.phase_plot;
  fields.push_back(F::integer_field("phase_plot.draw_primary", &p.draw_primary, 0, 1));
  fields.push_back(F::integer_field("phase_plot.draw_secondary", &p.draw_secondary, 0, 1));
  fields.push_back(F::number_field("phase_plot.x_grid", &p.x_grid, 1.0, 100.0));
  fields.push_back(F::number_field("phase_plot.y_grid", &p.y_grid, 1.0, 100.0));
  fields.push_back(F::integer_field("phase_plot.x_label", &p.x_label, 1, 100));
  fields.push_back(F::integer_field("phase_plot.y_label", &p.y_label, 1, 100));
  fields.push_back(F::any_number_field("phase_plot.x_min", &p.x_min));
  fields.push_back(F::any_number_field("phase_plot.x_max", &p.x_max));
  fields.push_back(F::any_number_field("phase_plot.y_min", &p.y_min));
  fields.push_back(F::any_number_field("phase_plot.y_max", &p.y_max));

  RobustPlotOptions& r = wb.robust_plot;
  fields.push_back(F::number_field("robust_plot.x_grid", &r.x_grid, 0.05, 100.0));
  fields.push_back(F::number_field("robust_plot.y_grid", &r.y_grid, 0.05, 100.0));
  fields.push_back(F::integer_field("robust_plot.x_label", &r.x_label, 1, kAnyInteger));
  fields.push_back(F::integer_field("robust_plot.y_label", &r.y_label, 1, kAnyInteger));
  fields.push_back(F::any_number_field("robust_plot.x_min", &r.x_min));
  fields.push_back(F::any_number_field("robust_plot.x_max", &r.x_max));
  fields.push_back(F::any_number_field("robust_plot.y_min", &r.y_min));
  fields.push_back(F::any_number_field("robust_plot.y_max", &r.y_max));
  fields.push_back(F::integer_field("robust_plot.automatic_range", &r.automatic_range, 0, 1));
  fields.push_back(F::integer_field("robust_plot.draw_lines", &r.draw_lines, 0, 1));
  fields.push_back(F::integer_field("robust_plot.draw_points", &r.draw_points, 0, 1));

  IsoclinePlotOptions& i = wb.isocline_plot;
  fields.push_back(F::integer_field("isocline_plot.x_grid", &i.x_grid, 1, 20));
  fields.push_back(F::integer_field("isocline_plot.y_grid", &i.y_grid, 1, 20));
  fields.push_back(F::integer_field("isocline_plot.x_label", &i.x_label, 1, kAnyInteger));
  fields.push_back(F::integer_field("isocline_plot.y_label", &i.y_label, 1, kAnyInteger));
  for (auto [name, target] : {std::pair{"x_min", &i.x_min}, std::pair{"x_max", &i.x_max},
                              std::pair{"y_min", &i.y_min}, std::pair{"y_max", &i.y_max}}) {
    fields.push_back(
        F::integer_field(std::string("isocline_plot.") + name, target, -kAnyInteger, kAnyInteger));
  }
  for (int k = 1; k <= 6; ++k) {
    fields.push_back(F::any_number_field("isocline_plot.region_lower[" + std::to_string(k) + "]",
                                         &i.region_lower[k]));
  }
  fields.push_back(F::any_number_field("isocline_plot.region6_upper", &i.region6_upper));
  fields.push_back(F::integer_field("isocline_plot.isocline_to_plot", &i.isocline_to_plot, 0, 5));
  fields.push_back(F::integer_field("isocline_plot.auto_regions", &i.auto_regions, 0, 1));
  fields.push_back(F::integer_field("isocline_plot.continuous_plot", &i.continuous_plot, 0, 1));
  fields.push_back(F::integer_field("isocline_plot.threshold_lines", &i.threshold_lines, 0, 1));
  fields.push_back(F::number_field("isocline_plot.threshold", &i.threshold, 1e-06, 5.0));
}

std::vector<SettingField> setting_fields(Workbench& wb) {
  std::vector<SettingField> fields;
  add_model_fields(wb, fields);
  add_scan_fields(wb, fields);
  add_plot_fields(wb, fields);
  add_network_tools_fields(wb, fields);
  return fields;
}

std::optional<SettingField> find_setting(Workbench& wb, std::string_view name) {
  for (SettingField& field : setting_fields(wb)) {
    if (field.name == name) return std::move(field);
  }
  return std::nullopt;
}

std::optional<std::string> assign_setting(Workbench& wb, std::string_view name,
                                          std::string_view value) {
  const std::optional<SettingField> field = find_setting(wb, name);
  if (!field) return "unknown setting '" + std::string(name) + "'";
  return assign_field(*field, value);
}

}  // namespace vemo
