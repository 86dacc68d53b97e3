#include "ui/align_layout.h"

#include <algorithm>
#include <cmath>

namespace ruzi {
namespace {

// The items of one alignment in the order they take their edge.
std::vector<size_t> EdgeOrder(const std::vector<TAlignItem>& items, TAlign align) {
  std::vector<size_t> order;
  for (size_t index = 0; index < items.size(); ++index) {
    if (items[index].Visible && items[index].Align == align) order.push_back(index);
  }
  auto key = [&](size_t index) {
    const TRect& bounds = items[index].Bounds;
    switch (align) {
      case TAlign::alTop: return bounds.Top;
      case TAlign::alBottom: return -bounds.Bottom;
      case TAlign::alLeft: return bounds.Left;
      case TAlign::alRight: return -bounds.Right;
      default: return 0;
    }
  };
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return key(a) < key(b); });
  return order;
}

TRect Place(const TRect& bounds, TAlign align, TRect& rest) {
  const int width = std::max(0, bounds.Width());
  const int height = std::max(0, bounds.Height());
  const int rest_width = std::max(0, rest.Width());
  const int rest_height = std::max(0, rest.Height());
  TRect placed;
  switch (align) {
    case TAlign::alTop:
      placed = {rest.Left, rest.Top, rest.Left + rest_width, rest.Top + height};
      rest.Top += height;
      break;
    case TAlign::alBottom:
      placed = {rest.Left, rest.Bottom - height, rest.Left + rest_width, rest.Bottom};
      rest.Bottom -= height;
      break;
    case TAlign::alLeft:
      placed = {rest.Left, rest.Top, rest.Left + width, rest.Top + rest_height};
      rest.Left += width;
      break;
    case TAlign::alRight:
      placed = {rest.Right - width, rest.Top, rest.Right, rest.Top + rest_height};
      rest.Right -= width;
      break;
    default:
      placed = {rest.Left, rest.Top, rest.Left + rest_width, rest.Top + rest_height};
      break;
  }
  return placed;
}

// One axis of AnchorBounds: the near edge and length of a control.
void AnchorAxis(int& near, int& length, bool near_anchor, bool far_anchor, int origin_extent, int extent) {
  const int delta = extent - origin_extent;
  if (near_anchor && far_anchor) {
    length = std::max(0, length + delta);
  } else if (far_anchor) {
    near += delta;
  } else if (!near_anchor && origin_extent > 0) {
    const double centre = (near + length / 2.0) * extent / origin_extent;
    near = static_cast<int>(std::lround(centre - length / 2.0));
  }
}

}  // namespace

std::vector<TRect> AlignLayout(const TRect& client, const std::vector<TAlignItem>& items) {
  std::vector<TRect> result;
  result.reserve(items.size());
  for (const TAlignItem& item : items) result.push_back(item.Bounds);
  TRect rest = client;
  for (TAlign align : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
    for (size_t index : EdgeOrder(items, align)) result[index] = Place(items[index].Bounds, align, rest);
  }
  return result;
}

TRect AnchorBounds(const TRect& origin, TAnchors anchors, TSize origin_client, TSize client) {
  int left = origin.Left, width = origin.Width(), top = origin.Top, height = origin.Height();
  AnchorAxis(left, width, anchors.Contains(TAnchorKind::akLeft), anchors.Contains(TAnchorKind::akRight),
             origin_client.cx, client.cx);
  AnchorAxis(top, height, anchors.Contains(TAnchorKind::akTop), anchors.Contains(TAnchorKind::akBottom),
             origin_client.cy, client.cy);
  return TRect{left, top, left + width, top + height};
}

}  // namespace ruzi
