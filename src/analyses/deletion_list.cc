#include "analyses/deletion_list.h"

#include "model/file_open.h"
#include "model/token_reader.h"

namespace vemo {

namespace {

constexpr int kEndOfList = 999;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Parses the groups; returns the reason for refusing the text, empty when it is fine.
std::string parse_groups(std::string_view text, std::vector<DeletionEntry>& entries) {
  TokenReader tokens(text);
  std::string token;
  for (;;) {
    if (!tokens.next_word(token)) return "end of file before the closing 999";
    int count;
    if (!parse_c_integer(token, count)) return "'" + token + "' is not a count of names";
    if (count == kEndOfList) return "";
    DeletionEntry entry;
    for (int m = 0; m < count; ++m) {
      if (!tokens.next_word(token)) return "end of file before the closing 999";
      if (token.size() > kMaxDeletionNameLength) {
        return "the name '" + token + "' is longer than 9 characters";
      }
      entry.names.push_back(make_gene_key(token));
    }
    entries.push_back(std::move(entry));
  }
}

}  // namespace

std::string make_gene_key(const std::string& name) {
  std::string key = name;
  if (!key.empty() && key.back() == 'R') key.pop_back();
  for (int k = 0; k < 2 && !key.empty() && is_digit(key.back()); ++k) key.pop_back();
  return key;
}

void derive_reaction_gene_keys(Workbench& wb) {
  const NetworkModel& m = wb.model;
  wb.reaction_gene_keys.assign(static_cast<size_t>(m.num_of_reactions) + 1, std::string());
  for (int j = 1; j <= m.num_of_reactions; ++j) {
    wb.reaction_gene_keys[j] = make_gene_key(m.reaction_names[j]);
  }
}

bool read_deletion_list(Workbench& wb, std::vector<DeletionEntry>& entries) {
  const std::string& name = wb.settings.deletion_input_file;
  FilePtr file = open_with_retry(wb, name, OpenMode::kRead);
  if (!file) return false;
  std::string text, why;
  entries.assign(1, DeletionEntry());
  if (read_text_file(file.get(), text, why)) why = parse_groups(text, entries);
  if (!why.empty()) {
    entries.assign(1, DeletionEntry());
    refuse_input(wb, name + ": " + why);
    return false;
  }
  wb.num_of_genes = static_cast<int>(entries.size()) - 1;
  return true;
}

}  // namespace vemo
