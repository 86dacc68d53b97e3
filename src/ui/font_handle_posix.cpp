#include "ui/font.h"

namespace ruzi {

// No GDI here: a font never has a handle.
HFONT__* TFont::Handle() const { return nullptr; }

void TFont::DeleteHandle(HFONT__*) {}

}  // namespace ruzi
