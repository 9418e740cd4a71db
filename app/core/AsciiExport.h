// The text dump of the sample store: every channel of a frame on one line, beside the wave file.
#pragma once

#include "app/core/SampleStore.h"
#include "app/core/WorkProgress.h"

#include <string>

namespace app {

// The wave file's name with its extension replaced by "_out.dat" (appended when it has none).
std::string AsciiFileName(const std::string& WaveFileName);

// Writes every channel of the store's first SampleCount frames, read through its layout, into the
// file named after the wave file they came from (see TSampleStore::DumpSourceName), replacing any
// file of that name, telling Progress, if given, the frames written. Throws files::EFileError
// when the file cannot be created, written or closed.
void SaveAsciiFile(const TSampleStore& Store, TWorkProgress* Progress = nullptr);

} // namespace app
