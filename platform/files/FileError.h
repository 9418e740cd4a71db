// File failures as exceptions whose message names the file and the system's reason, so the
// application object's message box can show them as they stand.
#pragma once

#include <stdexcept>
#include <string>

namespace files {

class EFileError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;

  // Message of the form: Action "FileName": reason, with the reason taken from an errno value.
  EFileError(const std::string& Action, const std::string& FileName, int SystemError);

  // The errno value behind the error, so callers can tell the user why in their own words; 0
  // when the error came from no system call.
  int SystemError() const { return FSystemError; }

private:
  int FSystemError = 0;
};

} // namespace files
