// A text file written through a large buffer: created or emptied on opening, flushed as the
// buffer fills and on closing. Every failure throws files::EFileError naming the file.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace files {

class TTextFile {
public:
  static constexpr std::size_t BufferSize = 1 << 20;

  // Creates the file, or empties in place the regular file at the name or behind a link there;
  // refuses any other kind of file and a link to nothing.
  explicit TTextFile(std::string FileName);
  // Closes without reporting; call Close() to learn whether the data reached the file.
  ~TTextFile();
  TTextFile(const TTextFile&) = delete;
  TTextFile& operator=(const TTextFile&) = delete;

  void Write(std::string_view Text);
  // Room for at least Count bytes at the end of the buffer, which grows for a longer piece; Commit
  // says how many were used. Throws std::bad_alloc when the room cannot be had.
  char* Reserve(std::size_t Count);
  void Commit(std::size_t Count) { FUsed += Count; }
  void Close();

  const std::string& FileName() const { return FFileName; }

private:
  void Flush();

  std::string FFileName;
  std::unique_ptr<char[]> FBuffer;
  int FHandle = -1;
  std::size_t FCapacity = BufferSize;
  std::size_t FUsed = 0;
};

} // namespace files
