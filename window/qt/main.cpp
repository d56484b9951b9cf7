// The program: one application, one window, one event loop.
#include "window/qt/application.h"
#include "window/qt/form1.h"

int main(int argc, char** argv) {
  TApplication application(argc, argv);
  TForm1 form;
  form.show();
  return application.exec();
}
