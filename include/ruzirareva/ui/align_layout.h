#pragma once
// The arithmetic of alignment and anchors, apart from any window: where aligned controls go in
// their parent's client area, and where an anchored control goes when its parent is resized.
// Pure functions: any thread.
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/align.h"
#include "ruzirareva/ui/geometry.h"

namespace ruzi {

struct TAlignItem {
  TAlign Align = TAlign::alNone;
  TRect Bounds;
  bool Visible = true;
};

// New bounds for every item, in the items' order. Visible items aligned to an edge take that
// edge in turn: all alTop items (top to bottom, then in list order), alBottom (bottom up),
// alLeft, alRight, and the alClient items fill what is left; each keeps its own height (top,
// bottom) or width (left, right). Other items, and hidden ones, keep their bounds. Nothing is
// ever narrower or lower than 0.
RUZI_API std::vector<TRect> AlignLayout(const TRect& client, const std::vector<TAlignItem>& items);

// Where a control goes when its parent's client area, `origin_client` when the control was at
// `origin`, is now `client`. Anchored to both edges of an axis it stretches; to the far edge
// only it moves with it; to neither it keeps its centre at the same proportion of the parent;
// to the near edge only it stays. Worked out from the origin each time, so that resizing back
// and forth never drifts.
RUZI_API TRect AnchorBounds(const TRect& origin, TAnchors anchors, TSize origin_client, TSize client);

}  // namespace ruzi
