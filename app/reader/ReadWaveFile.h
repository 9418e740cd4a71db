// The RIFF/WAVE reader: walks the chunks of a wave file, logs what it meets and loads the data
// chunk. Every failure becomes a status in TWaveInfo; nothing is ever thrown.
#pragma once

#include <string>

#include "app/reader/DataProgress.h"
#include "app/reader/ReadDetails.h"
#include "app/reader/WaveInfo.h"
#include "platform/files/ByteSource.h"
#include "platform/memory/PageMemory.h"

namespace reader {

// Where the reader's log lines go (the window appends them to its log box).
class TWaveLog {
public:
  virtual ~TWaveLog() = default;
  virtual void AppendLine(const std::string& line) = 0;
};

// Reads the wave bytes from the source's position on; the data chunk's bytes take their pages
// from Memory, and Progress, if given, is told of them as they come in. The data chunk is read
// by `Threads` threads side by side (0: as many as LoadThreads says); the outcome is the same
// for any count.
void ReadWaveFile(files::TByteSource& Source, TWaveInfo& Info, TWaveLog& Log, TReadDetails& Details,
                  pages::TPageMemory& Memory = pages::SystemPageMemory(), TDataProgress* Progress = nullptr,
                  int Threads = 0) noexcept;
// Opens the file and reads it as above; a file that cannot be opened is a read error.
void ReadWaveFile(const std::string& FileName, TWaveInfo& Info, TWaveLog& Log, TReadDetails& Details,
                  pages::TPageMemory& Memory = pages::SystemPageMemory(), TDataProgress* Progress = nullptr,
                  int Threads = 0) noexcept;

} // namespace reader
