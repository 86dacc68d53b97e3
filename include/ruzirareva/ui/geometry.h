#pragma once
// Rectangles and sizes in pixels, laid out as Win32's RECT and SIZE so that the controls can
// hand them to the system as they are. Plain values: any thread.
namespace ruzi {

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

}  // namespace ruzi
