#include "model/reactions_reader.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/file_open.h"
#include "model/objective_choice.h"
#include "model/token_reader.h"

namespace vemo {

namespace {

// A name field takes up to 9 characters: one more than a name may have, so that an over-long
// name is noticed and reported instead of silently cut.
constexpr size_t kNameField = kMaxNameLength + 1;
// The sense of a constraint is a single character.
constexpr size_t kSenseField = 1;

struct PendingPair {
  float coefficient;  // already rounded to six decimals
  std::string metabolite;
};

class ReactionsReader {
 public:
  ReactionsReader(Workbench& wb, std::string_view text, std::FILE* notes)
      : model_(wb.model), tokens_(text), notes_(notes) {}

  // Reads the four sections; false when reading stopped, error() saying why.
  bool read_sections() {
    return read_reactions() && read_constraints() && read_objective() && read_bounds();
  }
  const std::string& error() const { return error_; }

 private:
  bool fail(std::string why) {
    error_ = std::move(why);
    return false;
  }

  // The next token of the given width; at end of file reading stops.
  bool take(size_t width, std::string& out) {
    if (tokens_.next_field(width, out)) return true;
    return fail("end of file inside the " + section_ + " section");
  }
  bool take_word(std::string& out) { return take(std::string::npos, out); }

  bool skip_comment() {
    if (tokens_.skip_comment()) return true;
    return fail("end of file inside a comment of the " + section_ + " section");
  }

  // A word in a coefficient or lower-bound position: one that does not start with a number
  // counts as 0.
  bool word_value(const std::string& word, float& value) {
    const ParsedNumber n = parse_leading_number(word);
    if (n.status == NumberStatus::kOutOfRange)
      return fail("the number " + word + " is out of range");
    value = n.status == NumberStatus::kNumber ? n.value : 0.0f;
    return true;
  }

  // A position that must hold a number (right-hand side, objective coefficient, upper bound).
  bool number_value(const std::string& token, const std::string& what, float& value) {
    const ParsedNumber n = parse_leading_number(token);
    if (n.status == NumberStatus::kOutOfRange)
      return fail("the number " + token + " is out of range");
    if (n.status != NumberStatus::kNumber || !n.whole_token) {
      return fail("'" + token + "' is not a number (" + what + ")");
    }
    value = n.value;
    return true;
  }

  bool read_reactions() {
    section_ = "reactions";
    std::string word, name;
    while (take_word(word) && take(kNameField, name)) {
      if (name == "end") return true;
      if (word == "//") {
        if (name != "//" && !skip_comment()) return false;
        continue;
      }
      float coefficient;
      if (!word_value(word, coefficient)) return false;
      if (coefficient != 0.0f) {
        pending_.push_back({round_to_six_decimals(coefficient), name});
      } else if (!end_reaction(name)) {
        return false;
      }
    }
    return false;
  }

  bool end_reaction(const std::string& name) {
    std::vector<PendingPair> pairs;
    pairs.swap(pending_);
    if (reaction_index_.count(name) != 0) {
      std::fprintf(notes_, "*** multiple enzymes named %s ***\n", name.c_str());
      return true;
    }
    if (model_.num_of_reactions >= kMaxReactions) {
      return fail("more than " + std::to_string(kMaxReactions) + " reactions");
    }
    const int j = ++model_.num_of_reactions;
    model_.reserve_reactions(j);
    model_.reaction_names[j] = name;
    reaction_index_[name] = j;
    std::fprintf(notes_, "%s\n", name.c_str());
    // A coefficient that rounds to zero ends the list, as if it were the terminator.
    for (const PendingPair& pair : pairs) {
      if (pair.coefficient == 0.0f) break;
      const int row = row_for(pair.metabolite);
      if (row == 0) return false;
      model_.stoich_matrix.set(row, j, pair.coefficient);
    }
    return true;
  }

  // The row of a metabolite, added when it is new; 0 when the row table is full.
  int row_for(const std::string& metabolite) {
    auto it = row_index_.find(metabolite);
    if (it != row_index_.end()) return it->second;
    if (model_.num_of_rows >= kMaxRows) {
      fail("more than " + std::to_string(kMaxRows) + " rows");
      return 0;
    }
    const int i = ++model_.num_of_rows;
    model_.reserve_rows(i);
    model_.row_names[i] = metabolite;
    row_index_[metabolite] = i;
    return i;
  }

  bool read_constraints() {
    section_ = "constraints";
    std::fill(model_.row_sense.begin(), model_.row_sense.end(), 0);
    std::fill(model_.row_rhs.begin(), model_.row_rhs.end(), 0.0f);
    std::string name, sense, rhs_token;
    while (take(kNameField, name) && take(kSenseField, sense) && take_word(rhs_token)) {
      if (name == "end") return true;
      float rhs;
      if (!number_value(rhs_token, "right-hand side of row " + name, rhs)) return false;
      std::fprintf(notes_, "%9s %1s %f\n", name.c_str(), sense.c_str(), static_cast<double>(rhs));
      auto it = row_index_.find(name);
      if (it == row_index_.end()) continue;
      const int i = it->second;
      if (sense == "L") model_.row_sense[i] = 1;
      if (sense == "G") model_.row_sense[i] = -1;
      model_.row_rhs[i] = rhs;
    }
    return false;
  }

  bool read_objective() {
    section_ = "objective";
    std::string direction, coefficient_token, name;
    if (!take(kNameField, direction)) return false;
    model_.row_sense[1] = direction == "min" ? 1 : -1;
    std::fprintf(notes_, "%i\n", model_.row_sense[1]);
    while (take_word(coefficient_token) && take(kNameField, name)) {
      if (name == "end") {
        model_.row_names[1] = "Obj";
        return true;
      }
      float coefficient;
      if (!number_value(coefficient_token, "objective coefficient of " + name, coefficient)) {
        return false;
      }
      std::fprintf(notes_, "%f %9s\n", static_cast<double>(coefficient), name.c_str());
      auto it = reaction_index_.find(name);
      if (it != reaction_index_.end()) model_.stoich_matrix.set(1, it->second, coefficient);
    }
    return false;
  }

  void apply_reversibility() {
    std::fill(model_.has_lower_bound.begin(), model_.has_lower_bound.end(), 0);
    std::fill(model_.has_upper_bound.begin(), model_.has_upper_bound.end(), 0);
    for (int j = 1; j <= model_.num_of_reactions; ++j) {
      if (is_reversible_name(model_.reaction_names[j])) continue;
      model_.lower_bound[j] = 0.0f;
      model_.has_lower_bound[j] = 1;
    }
  }

  bool read_bounds() {
    apply_reversibility();
    section_ = "bounds";
    std::string lower_token, name, upper_token;
    while (take_word(lower_token) && take(kNameField, name)) {
      if (lower_token == "//" && name != "end") {
        if (name != "//" && !skip_comment()) return false;
        continue;
      }
      float lower, upper;
      if (!word_value(lower_token, lower) || !take_word(upper_token) ||
          !number_value(upper_token, "upper bound of " + name, upper)) {
        return false;
      }
      std::fprintf(notes_, "%f %9s %f\n", static_cast<double>(lower), name.c_str(),
                   static_cast<double>(upper));
      if (name == "end") return true;
      auto it = reaction_index_.find(name);
      if (it == reaction_index_.end()) continue;
      const int j = it->second;
      model_.has_upper_bound[j] = 1;
      model_.lower_bound[j] = lower;
      model_.upper_bound[j] = upper;
    }
    return false;
  }

  NetworkModel& model_;
  TokenReader tokens_;
  std::FILE* notes_;
  std::string section_;
  std::string error_;
  std::vector<PendingPair> pending_;
  std::unordered_map<std::string, int> reaction_index_;
  std::unordered_map<std::string, int> row_index_;
};

void reset_network(NetworkModel& m) {
  m.num_of_reactions = 0;
  m.num_of_rows = 1;
  m.stoich_matrix.clear();
  std::fill(m.reaction_names.begin(), m.reaction_names.end(), std::string());
  std::fill(m.row_names.begin(), m.row_names.end(), std::string());
}

void write_closing_lines(const NetworkModel& m, std::FILE* notes) {
  for (int j = 1; j <= m.num_of_reactions; ++j) {
    if (m.reaction_names[j].size() > kMaxNameLength) {
      std::fprintf(notes, "Reaction %s too long ************\n", m.reaction_names[j].c_str());
    }
  }
  for (int i = 1; i <= m.num_of_rows; ++i) {
    if (m.row_names[i].size() > kMaxNameLength) {
      std::fprintf(notes, "Metabolite %s too long ************\n", m.row_names[i].c_str());
    }
  }
  std::fprintf(notes, "rxns = %i\n", m.num_of_reactions);
  std::fprintf(notes, "mets = %i\n", m.num_of_rows);
}

}  // namespace

void read_data(Workbench& wb) {
  NetworkModel& m = wb.model;
  const bool second = m.use_second_file == 1;
  const std::string& file_name =
      second ? wb.settings.second_reactions_file : wb.settings.reactions_file;
  FilePtr input = open_with_retry(wb, file_name, OpenMode::kRead);
  if (!input) return;
  m.second_file_read = second ? 1 : 0;
  FilePtr notes = open_with_retry(wb, wb.settings.notes_file, OpenMode::kWrite);
  if (!notes) return;

  std::string text, why;
  const bool readable = read_text_file(input.get(), text, why);
  input.reset();
  reset_network(m);
  ReactionsReader reader(wb, text, notes.get());
  const bool complete = readable && reader.read_sections();
  if (readable && !complete) why = reader.error();
  if (!complete) std::fprintf(notes.get(), "*** reading stopped: %s ***\n", why.c_str());
  write_closing_lines(m, notes.get());
  finish_writing(wb, std::move(notes), wb.settings.notes_file);

  if (!complete) {
    m.file_abort = 1;
    refuse_input(wb, file_name + ": " + why + "; reading stopped after " +
                         std::to_string(m.num_of_reactions) + " reactions");
    return;
  }
  install_objective(wb);
}

}  // namespace vemo
