// The text dump of the sample store: one " Left Right" line per frame, beside the wave file.
#pragma once

#include "app/core/SampleStore.h"

#include <string>

namespace app {

// The wave file's name with its extension replaced by "_out.dat" (appended when it has none).
std::string AsciiFileName(const std::string& WaveFileName);

// Writes the store's first SampleCount frames, into the file named after the wave file they came
// from (see TSampleStore::DumpSourceName), replacing any file of that name. Throws
// files::EFileError when the file cannot be created, written or closed.
void SaveAsciiFile(const TSampleStore& Store);

} // namespace app
