// Fonts: the program is designed for "ＭＳ ゴシック"; where that font is not
// installed, an installed Japanese gothic font stands in for it.
#pragma once

#include <QString>

namespace tw {

// The family name of the designed font.
QString DesignedFontFamily();

// Registers the substitution and sets the application's font. Returns the
// family that will actually be used.
QString SetUpFonts();

}  // namespace tw
