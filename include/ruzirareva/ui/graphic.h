#pragma once
// A picture that can draw itself on a canvas: the common face of bitmaps, icons and the
// pictures other modules add (PNG, GIF). Belongs to the thread that draws with it.
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/method.h"
#include "ruzirareva/foundation/persistent.h"
#include "ruzirareva/ui/geometry.h"

namespace ruzi {

class TCanvas;

class RUZI_API TGraphic : public TPersistent {
 public:
  static const TClassRecord* ClassRecord() {
    static const TClassRecord record{"TGraphic", TPersistent::ClassRecord()};
    return &record;
  }
  const TClassRecord* ClassType() const override { return ClassRecord(); }

  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Draws the whole picture stretched to `rect`.
  virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;
  // Reads a file of the picture's kind; raises ruzi::Error naming the file when it cannot.
  virtual void LoadFromFile(const std::string& path) = 0;
  // A new picture of the same class holding the same image.
  virtual TGraphic* Clone() const = 0;

  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool transparent) { transparent_ = transparent; }

  TNotifyEvent OnChange;

 protected:
  void Changed() { OnChange(this); }

 private:
  bool transparent_ = false;
};

}  // namespace ruzi
