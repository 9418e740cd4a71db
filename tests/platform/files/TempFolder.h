// A file with given bytes in a private temporary folder that disappears with the test.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class TTempFolder {
public:
  TTempFolder() {
    static int counter = 0;
    FPath = std::filesystem::temp_directory_path() /
            ("waveview-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(FPath);
  }
  ~TTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::filesystem::path& Path() const { return FPath; }

  std::string Write(const std::string& Name, const std::string& Bytes) const {
    const auto file = FPath / Name;
    std::ofstream(file, std::ios::binary) << Bytes;
    return file.string();
  }

private:
  std::filesystem::path FPath;
};
