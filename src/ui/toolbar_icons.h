// The 16 x 15 pixel pictures of the toolbar buttons, drawn in code.
#ifndef VEMO_UI_TOOLBAR_ICONS_H_
#define VEMO_UI_TOOLBAR_ICONS_H_

#include <QIcon>

namespace vemo {

inline constexpr int kToolbarIconWidth = 16;
inline constexpr int kToolbarIconHeight = 15;

// The picture of a toolbar command; an empty icon for a command that has no button.
QIcon toolbar_icon(int command);

}  // namespace vemo

#endif  // VEMO_UI_TOOLBAR_ICONS_H_
