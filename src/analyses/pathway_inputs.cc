#include "analyses/pathway_inputs.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "model/token_reader.h"

namespace vemo {

namespace {

bool is_blank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string first_word(std::string_view line) {
  size_t end = 0;
  while (end < line.size() && !is_blank(line[end])) ++end;
  return std::string(line.substr(0, end));
}

std::string too_long(const std::string& name, const std::string& where) {
  return "the name '" + name + "' is longer than " + std::to_string(kMaxPathwayName) +
         " characters (" + where + ")";
}

// A real in a number position; the reason for refusing it otherwise.
std::string take_number(TokenReader& tokens, const std::string& what, float& value) {
  std::string word;
  if (!tokens.next_word(word)) return "end of file before " + what;
  const ParsedNumber n = parse_leading_number(word);
  if (n.status == NumberStatus::kOutOfRange) return "the number " + word + " is out of range";
  if (n.status != NumberStatus::kNumber || !n.whole_token) {
    return "'" + word + "' is not a number (" + what + ")";
  }
  value = n.value;
  return "";
}

// Skips words up to and including heading.
std::string skip_through(TokenReader& tokens, const char* heading) {
  std::string word;
  while (tokens.next_word(word)) {
    if (word == heading) return "";
  }
  return std::string("end of file before '") + heading + "'";
}

// Reads (name, number) pairs into list up to the name closing; the closing name has no number.
std::string read_pairs(TokenReader& tokens, const char* closing, std::vector<NamedValue>& list) {
  std::string name;
  for (;;) {
    if (!tokens.next_word(name)) return std::string("end of file before '") + closing + "'";
    if (name == closing) return "";
    if (name.size() > kMaxPathwayName)
      return too_long(name, "entry " + std::to_string(list.size() + 1));
    if (static_cast<int>(list.size()) >= kMaxReportEntries) {
      return "more than " + std::to_string(kMaxReportEntries) + " entries before '" + closing + "'";
    }
    float value;
    if (std::string why = take_number(tokens, "the value of " + name, value); !why.empty()) {
      return why;
    }
    list.push_back({name, value});
  }
}

char lower_case(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return lower_case(x) == lower_case(y);
         });
}

}  // namespace

std::string read_path_reactions(std::string_view text, PathwayNetwork& network) {
  int line_number = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++line_number;
    if (line.empty() || is_blank(line[0]) || line[0] == '/') continue;
    const std::string word = first_word(line);
    if (line[0] == '(') {
      if (word == "(Exchange") network.exchange_start = network.num_rows();
      continue;
    }
    const std::string name = word.substr(0, word.size() - 1);
    if (name.size() > kMaxPathwayName) return too_long(name, "line " + std::to_string(line_number));
    if (network.num_rows() - 1 >= kMaxPathwayReactions) {
      return "more than " + std::to_string(kMaxPathwayReactions) + " reactions";
    }
    network.reaction_names.push_back(name);
  }
  return "";
}

std::string read_pathways(std::string_view text, PathwayNetwork& network) {
  TokenReader tokens(text);
  const int reactions = network.num_rows() - 1;
  long coefficients = 0;
  std::string word;
  for (size_t block = 0; block < kPathwayBlockLabels.size(); ++block) {
    const std::string where = std::string("the block of ") + kPathwayBlockLabels[block];
    if (!tokens.next_word(word) || !tokens.next_word(word) || !tokens.next_word(word)) {
      return "end of file in the heading of " + where;
    }
    int count;
    if (!parse_c_integer(word, count) || count < 0) {
      return "'" + word + "' is not a number of pathways (" + where + ")";
    }
    if (count > kMaxPathways - network.num_pathways()) {
      return "more than " + std::to_string(kMaxPathways) + " pathways";
    }
    network.block_sizes[block] = count;
    for (int k = 0; k < count; ++k) {
      const int p = network.num_pathways() + 1;
      std::vector<MatrixEntry> column;
      for (int j = 1; j <= reactions; ++j) {
        float value;
        const std::string what =
            "coefficient " + std::to_string(j) + " of pathway " + std::to_string(p);
        if (std::string why = take_number(tokens, what, value); !why.empty()) return why;
        if (value == 0.0f) continue;
        if (++coefficients > kMaxPathwayCoefficients) {
          return "more than " + std::to_string(kMaxPathwayCoefficients) + " non-zero coefficients";
        }
        column.push_back({j + 1, value});
      }
      network.pathways.push_back(std::move(column));
    }
  }
  return "";
}

std::string read_primal_list(std::string_view text, std::vector<NamedValue>& fluxes) {
  TokenReader tokens(text);
  if (std::string why = skip_through(tokens, "fluxes"); !why.empty()) return why;
  return read_pairs(tokens, "end", fluxes);
}

std::string read_dual_lists(std::string_view text, std::vector<NamedValue>& shadow_prices,
                            std::vector<NamedValue>& reduced_costs) {
  TokenReader tokens(text);
  if (std::string why = skip_through(tokens, "Prices"); !why.empty()) return why;
  if (std::string why = read_pairs(tokens, "Reduced", shadow_prices); !why.empty()) return why;
  std::string costs;
  if (!tokens.next_word(costs)) return "end of file after 'Reduced'";
  return read_pairs(tokens, "end", reduced_costs);
}

std::string find_ignoring_case(const std::string& name) {
  std::error_code ec;
  if (std::filesystem::exists(name, ec)) return name;
  std::vector<std::string> matches;
  for (std::filesystem::directory_iterator it(".", ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (equal_ignoring_case(entry, name)) matches.push_back(entry);
  }
  if (matches.empty()) return name;
  return *std::min_element(matches.begin(), matches.end());
}

}  // namespace vemo
