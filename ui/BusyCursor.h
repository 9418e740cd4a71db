// The busy cursor over the program's windows while long work blocks the message loop: set when
// the object is made, restored when it goes, also when an error unwinds through it.
#pragma once

namespace ui {

class TBusyCursor {
public:
  TBusyCursor();
  ~TBusyCursor();
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;
};

} // namespace ui
