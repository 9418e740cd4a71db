// Start-up: the application object, the sample store, the one main window, the message loop.
#include "app/Form1.h"
#include "chart/Palette.h"
#include "platform/qt/Application.h"
#include "platform/qt/Settings.h"

int main(int argc, char** argv) {
  ui::TApplication application(argc, argv);
  chart::SetDefaultPaletteReader(ui::ReadDefaultPalette);
  app::TSampleStore store;
  app::TForm1 form(store);
  app::Form1 = &form;
  form.show();
  return application.exec();
}
