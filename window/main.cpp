// The program: one application, one window, one event loop.
#include "window/application.h"
#include "window/form1.h"

int main(int argc, char** argv) {
  TApplication application(argc, argv);
  TForm1 form;
  form.show();
  return application.exec();
}
