#include "model/token_reader.h"

#include <locale.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vemo {

namespace {

bool is_blank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Length of the decimal real at the start of s, 0 when there is none.
size_t decimal_prefix_length(std::string_view s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && is_digit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && is_digit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t e = i + 1;
    if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
    if (e < s.size() && is_digit(s[e])) {
      while (e < s.size() && is_digit(s[e])) ++e;
      i = e;
    }
  }
  return i;
}

locale_t c_locale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
  return locale;
}

}  // namespace

void TokenReader::skip_blanks() {
  while (pos_ < text_.size() && is_blank(text_[pos_])) ++pos_;
}

bool TokenReader::next_field(size_t width, std::string& out) {
  skip_blanks();
  if (pos_ >= text_.size()) return false;
  const size_t start = pos_;
  while (pos_ < text_.size() && pos_ - start < width && !is_blank(text_[pos_])) ++pos_;
  out.assign(text_.substr(start, pos_ - start));
  return true;
}

bool TokenReader::next_word(std::string& out) { return next_field(std::string_view::npos, out); }

bool TokenReader::skip_comment() {
  std::string word;
  while (next_word(word)) {
    if (word == "//") return true;
  }
  return false;
}

ParsedNumber parse_leading_number(std::string_view token) {
  ParsedNumber result;
  const size_t length = decimal_prefix_length(token);
  if (length == 0) return result;
  const std::string prefix(token.substr(0, length));
  const float value = strtof_l(prefix.c_str(), nullptr, c_locale());
  result.whole_token = length == token.size();
  if (std::isinf(value)) {
    result.status = NumberStatus::kOutOfRange;
    return result;
  }
  result.status = NumberStatus::kNumber;
  result.value = value;
  return result;
}

bool parse_c_integer(std::string_view token, int& value) {
  size_t i = 0;
  const bool negative = !token.empty() && token[0] == '-';
  if (!token.empty() && (token[0] == '-' || token[0] == '+')) ++i;
  int base = 10;
  if (token.size() > i + 1 && token[i] == '0' && (token[i + 1] == 'x' || token[i + 1] == 'X')) {
    base = 16;
    i += 2;
  } else if (token.size() > i + 1 && token[i] == '0') {
    base = 8;
  }
  if (i >= token.size()) return false;
  long long magnitude = 0;
  for (; i < token.size(); ++i) {
    const char c = token[i];
    int digit;
    if (is_digit(c)) {
      digit = c - '0';
    } else if (base == 16 && std::isxdigit(static_cast<unsigned char>(c))) {
      digit = std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
    } else {
      return false;
    }
    if (digit >= base) return false;
    magnitude = magnitude * base + digit;
    if (magnitude > 2147483648LL) return false;
  }
  const long long signed_value = negative ? -magnitude : magnitude;
  if (signed_value > 2147483647LL) return false;
  value = static_cast<int>(signed_value);
  return true;
}

float round_to_six_decimals(float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
  return strtof_l(text, nullptr, c_locale());
}

}  // namespace vemo
