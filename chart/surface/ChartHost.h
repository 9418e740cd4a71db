// What a chart control needs from the window that shows it. The Qt widget implements it; tests
// use a fake, so a chart can be painted and clicked without any window system.
#pragma once

#include "platform/gdi/Bitmap.h"

namespace chart {

enum class TCursorKind { crDefault, crCross, crHandPoint, crSizeAll };

class TChartHost {
public:
  virtual ~TChartHost() = default;

  // Asks the window system for one paint message; several requests coalesce into one.
  virtual void InvalidateWindow() = 0;
  // The retained image of the control's window (the "window canvas"), sized to the client area.
  virtual gdi::TGdiBitmap& WindowImage() = 0;
  // Shows what was drawn into the window image outside a paint message (the zoom rectangle).
  virtual void ShowWindowImage() = 0;
  virtual void SetMouseCapture(bool captured) = 0;
  virtual void SetCursor(TCursorKind cursor) = 0;
  virtual int ClientWidth() const = 0;
  virtual int ClientHeight() const = 0;
  // False while the control has no parent window: the buffer is then never copied out.
  virtual bool HasParentWindow() const = 0;
};

} // namespace chart
