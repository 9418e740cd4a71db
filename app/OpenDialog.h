// The open-file dialog: no filter, starts in the default folder and keeps the last chosen path.
// Who answers it can be replaced, so tests and the benchmark choose a file without a window.
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace app {

class TOpenDialog {
public:
  // Given the current file name, puts the chosen one in its place; false on cancel.
  using TChooser = std::function<bool(std::string& FileName)>;

  explicit TOpenDialog(QWidget* Owner) : FOwner(Owner) {}

  // Shows the dialog; true when the user confirmed a file, which is then in FileName.
  bool Execute();
  // Replaces the real dialog; an empty function restores it.
  void SetChooser(TChooser Chooser) { FChooser = std::move(Chooser); }

  std::string FileName;

private:
  bool ExecuteFileDialog(std::string& Chosen) const;

  QWidget* FOwner;
  TChooser FChooser;
};

} // namespace app
