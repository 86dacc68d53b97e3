#pragma once
// Owner-drawn menu items' WM_MEASUREITEM and WM_DRAWITEM, answered from the items (Windows;
// nothing elsewhere): true when the message was about one of our items.
#include "ui/message.h"

namespace ruzi {

bool DispatchMenuOwnerDraw(TMessage& message);

}  // namespace ruzi
