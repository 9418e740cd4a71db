// How a drawn pixel combines with the one already there.
#pragma once

namespace gdi {

enum class TRop2 { Copy, NotXor }; // NotXor: dst = ~(src ^ dst) on the 24 colour bits

} // namespace gdi
