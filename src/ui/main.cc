#include <QApplication>
#include <clocale>

#include "ui/vemo_app.h"

int main(int argc, char** argv) {
  QApplication qt_application(argc, argv);
  // Reports and the reactions file use the C decimal point whatever the desktop's language.
  std::setlocale(LC_NUMERIC, "C");
  vemo::CVemoApp app;
  app.init_instance();
  return qt_application.exec();
}
