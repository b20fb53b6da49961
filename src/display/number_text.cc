#include "display/number_text.h"

#include <cmath>
#include <cstdio>

namespace vemo {

std::string format_rounded(float value, int decimals) {
  int scale = 1;
  for (int k = 0; k < decimals; ++k) scale *= 10;
  const float magnitude = std::fabs(value);
  float integer_part = std::floor(magnitude);
  const float fraction = magnitude - integer_part;
  int kept = static_cast<int>(std::floor(fraction * static_cast<float>(scale)));
  const int next_digit =
      static_cast<int>(std::floor(fraction * static_cast<float>(scale * 10))) % 10;
  if (next_digit >= 5) ++kept;
  if (kept >= scale) {
    kept -= scale;
    integer_part += 1.0f;
  }
  char text[64];
  std::snprintf(text, sizeof text, "%s%.0f.%0*d", value < 0.0f ? "-" : "",
                static_cast<double>(integer_part), decimals, kept);
  return text;
}

}  // namespace vemo
