// Start-up: the application object, the sample store, the one main window, the message loop.
#include "app/Form1.h"
#include "app/StartUp.h"
#include "ui/Application.h"

int main(int argc, char** argv) {
  ui::TApplication application(argc, argv);
  app::ApplyUserSettings();
  app::TSampleStore store;
  app::TForm1 form(store);
  app::Form1 = &form;
  form.show();
  return application.exec();
}
