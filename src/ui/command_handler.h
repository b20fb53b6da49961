// Something that handles commands by number: the view, the document, the frame and the
// application, asked in that order.
#ifndef VEMO_UI_COMMAND_HANDLER_H_
#define VEMO_UI_COMMAND_HANDLER_H_

namespace vemo {

class CommandHandler {
 public:
  virtual ~CommandHandler() = default;
  virtual bool has_handler(int number) const = 0;
  // Runs the command; only called when has_handler(number).
  virtual void handle_command(int number) = 0;
};

}  // namespace vemo

#endif  // VEMO_UI_COMMAND_HANDLER_H_
