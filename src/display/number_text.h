// Numbers as the display writes them: sign, integer part and a fixed number of decimals rounded
// half up, computed on the single-precision value.
#ifndef VEMO_DISPLAY_NUMBER_TEXT_H_
#define VEMO_DISPLAY_NUMBER_TEXT_H_

#include <string>

namespace vemo {

// decimals is 1 to 6. The rounding looks at the one digit after the last one kept.
std::string format_rounded(float value, int decimals);

}  // namespace vemo

#endif  // VEMO_DISPLAY_NUMBER_TEXT_H_
