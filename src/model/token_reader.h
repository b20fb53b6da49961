// Reads a text as a stream of white-space separated tokens, the way formatted input does:
// a word is a whole run of non-blank characters, a field of width n takes at most n characters
// of such a run (the rest starts the next token).
#ifndef VEMO_MODEL_TOKEN_READER_H_
#define VEMO_MODEL_TOKEN_READER_H_

#include <string>
#include <string_view>

namespace vemo {

class TokenReader {
 public:
  explicit TokenReader(std::string_view text) : text_(text) {}

  // The next whole word; false at end of text.
  bool next_word(std::string& out);
  // The next token of at most width characters; false at end of text.
  bool next_field(size_t width, std::string& out);
  // Skips words up to and including the next word that is exactly "//"; false at end of text.
  bool skip_comment();

 private:
  void skip_blanks();

  std::string_view text_;
  size_t pos_ = 0;
};

// How a token reads as a decimal real.
enum class NumberStatus { kNumber, kNotNumber, kOutOfRange };

struct ParsedNumber {
  NumberStatus status = NumberStatus::kNotNumber;
  float value = 0.0f;
  bool whole_token = false;  // the number takes the whole token
};

// Reads the decimal real at the start of token (sign, digits, point, exponent) as a 32-bit float,
// independent of the locale. "inf", "nan" and hexadecimal forms are not numbers here. A value
// beyond the float range is kOutOfRange; one too small to represent reads as 0.
ParsedNumber parse_leading_number(std::string_view token);

// Reads a whole token as an integer the way the "%i" conversion does: an optional sign, then
// decimal digits, or 0x and hexadecimal digits, or a leading 0 and octal digits (0100 is 64).
// False when the token is not wholly such an integer or does not fit an int.
bool parse_c_integer(std::string_view token, int& value);

// A float printed with six decimals ("%f") and read back: the rounding the reactions file applies
// to every stoichiometric coefficient.
float round_to_six_decimals(float value);

}  // namespace vemo

#endif  // VEMO_MODEL_TOKEN_READER_H_
