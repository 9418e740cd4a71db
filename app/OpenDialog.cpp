#include "app/OpenDialog.h"

#include <QFileDialog>

namespace app {

bool TOpenDialog::Execute() {
  std::string chosen = FileName;
  const bool confirmed = FChooser ? FChooser(chosen) : ExecuteFileDialog(chosen);
  if (confirmed)
    FileName = std::move(chosen);
  return confirmed;
}

bool TOpenDialog::ExecuteFileDialog(std::string& Chosen) const {
  QFileDialog dialog(FOwner);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (!Chosen.empty())
    dialog.selectFile(QString::fromStdString(Chosen));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return false;
  Chosen = dialog.selectedFiles().constFirst().toStdString();
  return true;
}

} // namespace app
