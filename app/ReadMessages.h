// What the window tells the user, in plain words, about a load that did not go as it should.
#pragma once

#include <cstdint>
#include <string>

namespace app {

// 400000000 as "400,000,000".
std::string GroupThousands(std::int64_t value);

// The sound data of FileName (bytes of it) could not be held in memory.
std::string NotEnoughMemoryMessage(std::int64_t bytes, const std::string& FileName);

} // namespace app
