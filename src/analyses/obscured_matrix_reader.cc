#include <algorithm>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "analyses/obscured_matrix.h"
#include "model/file_open.h"
#include "model/token_reader.h"

namespace vemo {

namespace {

// Names as long as the reactions file reader stores them (one over the documented 8).
constexpr size_t kMaxStoredName = kMaxNameLength + 1;

// The network as the two files describe it, before it replaces the model's.
struct StagedNetwork {
  int rows = 0;
  int reactions = 0;
  // Numbered from 1 like the model: entry 0 is there from the start.
  std::vector<int> row_sense = std::vector<int>(1);
  std::vector<float> row_rhs = std::vector<float>(1);
  std::vector<std::string> row_names = std::vector<std::string>(1);
  std::vector<std::string> reaction_names = std::vector<std::string>(1);
  std::vector<std::vector<MatrixEntry>> columns = std::vector<std::vector<MatrixEntry>>(1);
  std::vector<float> lower, upper;
  std::vector<int> has_lower, has_upper;
};

// Reads the tokens of one file; every take_* names what it was reading when it fails.
class TokenParser {
 public:
  TokenParser(std::string_view text, const char* file) : tokens_(text), file_(file) {}
  const std::string& error() const { return error_; }

  bool fail(const std::string& why) {
    error_ = std::string(file_) + ": " + why;
    return false;
  }

  bool take_word(const std::string& what, std::string& word) {
    if (tokens_.next_word(word)) return true;
    return fail("end of file in " + what);
  }

  bool take_integer(const std::string& what, int& value) {
    std::string word;
    if (!take_word(what, word)) return false;
    if (parse_c_integer(word, value)) return true;
    return fail("'" + word + "' is not an integer (" + what + ")");
  }

  bool take_real(const std::string& what, float& value) {
    std::string word;
    if (!take_word(what, word)) return false;
    const ParsedNumber n = parse_leading_number(word);
    if (n.status == NumberStatus::kNumber && n.whole_token) {
      value = n.value;
      return true;
    }
    if (n.status == NumberStatus::kOutOfRange)
      return fail("the number " + word + " is out of range");
    return fail("'" + word + "' is not a number (" + what + ")");
  }

  bool take_name(const std::string& what, std::string& name) {
    if (!take_word(what, name)) return false;
    if (name.size() <= kMaxStoredName) return true;
    return fail("the name '" + name + "' is longer than " + std::to_string(kMaxStoredName) +
                " characters (" + what + ")");
  }

 private:
  TokenReader tokens_;
  const char* file_;
  std::string error_;
};

bool parse_counts(TokenParser& p, StagedNetwork& s) {
  if (!p.take_integer("the number of rows", s.rows) ||
      !p.take_integer("the number of reactions", s.reactions)) {
    return false;
  }
  if (s.rows < 1 || s.rows > kMaxRows) {
    return p.fail(std::to_string(s.rows) + " rows; a network has 1 to " + std::to_string(kMaxRows));
  }
  if (s.reactions < 0 || s.reactions > kMaxReactions) {
    return p.fail(std::to_string(s.reactions) + " reactions; a network has 0 to " +
                  std::to_string(kMaxReactions));
  }
  return true;
}

bool parse_rows(TokenParser& p, StagedNetwork& s) {
  for (int i = 1; i <= s.rows; ++i) {
    const std::string what = "row " + std::to_string(i);
    int sense;
    float rhs, decoy;
    std::string name;
    if (!p.take_integer(what, sense) || !p.take_real(what, rhs) || !p.take_name(what, name) ||
        !p.take_real(what, decoy)) {
      return false;
    }
    s.row_sense.push_back(sense);
    s.row_rhs.push_back(rhs);
    s.row_names.push_back(std::move(name));
  }
  return true;
}

// One reaction line: its name, the count n, n value groups and n row groups.
bool parse_column(TokenParser& p, StagedNetwork& s, int j) {
  std::string name;
  if (!p.take_name("reaction " + std::to_string(j), name)) return false;
  const std::string what = "reaction " + std::to_string(j) + " (" + name + ")";
  int n;
  if (!p.take_integer(what, n)) return false;
  if (n < 0 || n > s.rows) {
    return p.fail(what + " lists " + std::to_string(n) + " entries; the network has rows 1 to " +
                  std::to_string(s.rows));
  }
  const bool odd = j % 2 == 1;
  std::vector<MatrixEntry> column(static_cast<size_t>(n));
  int decoy;
  float second, third, noise;
  for (MatrixEntry& e : column) {
    if (!p.take_integer(what, decoy) || !p.take_real(what, second) || !p.take_real(what, third) ||
        !p.take_real(what, noise)) {
      return false;
    }
    e.value = odd ? third : second;
  }
  float fixed;
  for (MatrixEntry& e : column) {
    if (!p.take_integer(what, decoy) ||
        !(odd ? p.take_real(what, fixed) && p.take_integer(what, e.row)
              : p.take_integer(what, e.row) && p.take_real(what, fixed)) ||
        !p.take_real(what, noise)) {
      return false;
    }
    if (e.row < 1 || e.row > s.rows) {
      return p.fail(what + " has an entry in row " + std::to_string(e.row) +
                    "; the network has rows 1 to " + std::to_string(s.rows));
    }
  }
  s.reaction_names.push_back(std::move(name));
  s.columns.push_back(std::move(column));
  return true;
}

bool parse_matrix(TokenParser& p, StagedNetwork& s) {
  if (!parse_counts(p, s) || !parse_rows(p, s)) return false;
  for (int j = 1; j <= s.reactions; ++j) {
    if (!parse_column(p, s, j)) return false;
  }
  return true;
}

// One "lo name up" entry per reaction. A name that is no reaction of the matrix file is refused:
// the two files do not belong together, and no other reaction may take its bounds.
bool parse_bounds(TokenParser& p, StagedNetwork& s) {
  std::unordered_map<std::string, int> index;
  for (int j = 1; j <= s.reactions; ++j) index[s.reaction_names[j]] = j;
  const size_t entries = static_cast<size_t>(s.reactions) + 1;
  s.lower.assign(entries, 0.0f);
  s.upper.assign(entries, 0.0f);
  s.has_lower.assign(entries, 0);
  s.has_upper.assign(entries, 0);
  for (int k = 1; k <= s.reactions; ++k) {
    const std::string what = "bounds entry " + std::to_string(k);
    float lo, up;
    std::string name;
    if (!p.take_real(what, lo) || !p.take_name(what, name) || !p.take_real(what, up)) {
      return false;
    }
    auto it = index.find(name);
    if (it == index.end()) {
      return p.fail(what + " names the reaction '" + name + "', which " + kEncryptedMatrixFile +
                    " does not hold");
    }
    const int j = it->second;
    s.has_lower[j] = lo != kNoLowerBound ? 1 : 0;
    if (s.has_lower[j] == 1) s.lower[j] = lo;
    s.has_upper[j] = up != kNoUpperBound ? 1 : 0;
    if (s.has_upper[j] == 1) {
      s.upper[j] = up;
      s.lower[j] = lo;
    }
  }
  return true;
}

void take_over(NetworkModel& m, const StagedNetwork& s) {
  m.reserve_rows(s.rows);
  m.reserve_reactions(s.reactions);
  m.num_of_rows = s.rows;
  m.num_of_reactions = s.reactions;
  std::fill(m.row_names.begin(), m.row_names.end(), std::string());
  std::fill(m.reaction_names.begin(), m.reaction_names.end(), std::string());
  std::fill(m.row_sense.begin(), m.row_sense.end(), 0);
  std::fill(m.row_rhs.begin(), m.row_rhs.end(), 0.0f);
  std::fill(m.lower_bound.begin(), m.lower_bound.end(), 0.0f);
  std::fill(m.upper_bound.begin(), m.upper_bound.end(), 0.0f);
  std::fill(m.has_lower_bound.begin(), m.has_lower_bound.end(), 0);
  std::fill(m.has_upper_bound.begin(), m.has_upper_bound.end(), 0);
  std::copy(s.row_names.begin(), s.row_names.end(), m.row_names.begin());
  std::copy(s.row_sense.begin(), s.row_sense.end(), m.row_sense.begin());
  std::copy(s.row_rhs.begin(), s.row_rhs.end(), m.row_rhs.begin());
  std::copy(s.reaction_names.begin(), s.reaction_names.end(), m.reaction_names.begin());
  std::copy(s.lower.begin(), s.lower.end(), m.lower_bound.begin());
  std::copy(s.upper.begin(), s.upper.end(), m.upper_bound.begin());
  std::copy(s.has_lower.begin(), s.has_lower.end(), m.has_lower_bound.begin());
  std::copy(s.has_upper.begin(), s.has_upper.end(), m.has_upper_bound.begin());
  m.stoich_matrix.clear();
  for (int j = 1; j <= s.reactions; ++j) {
    // A row listed twice keeps its last value.
    for (const MatrixEntry& e : s.columns[j]) m.stoich_matrix.set(e.row, j, e.value);
  }
  m.second_file_read = 0;
}

// Reads an open file whole; false, with the reason in error, for an unreadable one.
bool read_whole(std::FILE* file, const char* name, std::string& text, std::string& error) {
  std::string why;
  if (read_text_file(file, text, why)) return true;
  error = std::string(name) + ": " + why;
  return false;
}

}  // namespace

void read_encrypted_matrix(Workbench& wb) {
  FilePtr matrix = open_with_retry(wb, kEncryptedMatrixFile, OpenMode::kRead);
  if (!matrix) return;
  FilePtr bounds = open_with_retry(wb, kEncryptedBoundsFile, OpenMode::kRead);
  if (!bounds) return;

  std::string matrix_text, bounds_text, error;
  StagedNetwork staged;
  if (read_whole(matrix.get(), kEncryptedMatrixFile, matrix_text, error) &&
      read_whole(bounds.get(), kEncryptedBoundsFile, bounds_text, error)) {
    TokenParser matrix_parser(matrix_text, kEncryptedMatrixFile);
    TokenParser bounds_parser(bounds_text, kEncryptedBoundsFile);
    if (!parse_matrix(matrix_parser, staged)) {
      error = matrix_parser.error();
    } else if (!parse_bounds(bounds_parser, staged)) {
      error = bounds_parser.error();
    }
  }
  if (!error.empty()) {
    wb.model.file_abort = 1;
    refuse_input(wb, error + "; the network in memory is unchanged");
    return;
  }
  take_over(wb.model, staged);
}

}  // namespace vemo
