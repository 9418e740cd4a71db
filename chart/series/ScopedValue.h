// A variable set for the length of a scope and put back however the scope ends, so state that a
// paint pass sets never outlives the pass, not even one cut short by an exception.
#pragma once

#include <type_traits>
#include <utility>

namespace chart {

template <class T>
class TScopedValue {
public:
  TScopedValue(T& variable, std::type_identity_t<T> value)
      : FVariable(variable), FOld(std::exchange(variable, std::move(value))) {}
  ~TScopedValue() { FVariable = std::move(FOld); }
  TScopedValue(const TScopedValue&) = delete;
  TScopedValue& operator=(const TScopedValue&) = delete;

private:
  T& FVariable;
  T FOld;
};

} // namespace chart
