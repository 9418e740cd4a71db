// Just enough JSON for the benchmark's one result object.
#pragma once

#include <string>
#include <string_view>

namespace bench {

std::string JsonString(std::string_view text);
// Milliseconds with three decimals.
std::string JsonNumber(double value);

} // namespace bench
