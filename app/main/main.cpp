// Start-up: the command line, the application object, the sample store, the one main window
// (which loads a file named on the command line once it is on screen), the message loop.
#include "app/CommandLine.h"
#include "app/Form1.h"
#include "app/StartUp.h"
#include "ui/Application.h"
#include "ui/WhenExposed.h"

#include <QCheckBox>

#include <iostream>

int main(int argc, char** argv) {
  // Before the application object, which needs a display: help and usage errors do not.
  const app::TCommandLine command = app::ParseCommandLine({argv, argv + argc});
  if (command.Action != app::TCommandLine::caOpenWindow)
    return app::AnswerWithoutWindow(command, std::cout, std::cerr);

  ui::TApplication application(argc, argv);
  app::ApplyUserSettings();
  app::TSampleStore store;
  app::TForm1 form(store);
  app::Form1 = &form;
  // For this run only: the stored choice stays as it is.
  if (command.BothCharts)
    form.BothChartsBox->setChecked(true);
  if (command.AsRecorded)
    form.AsRecordedBox->setChecked(true);
  if (command.Channels)
    form.ChooseChannels((*command.Channels)[0], (*command.Channels)[1]);
  form.show();
  if (!command.FileName.empty())
    ui::CallWhenExposed(form, [&form, file = command.FileName] { form.OpenWaveFile(file); });
  return application.exec();
}
