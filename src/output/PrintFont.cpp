#include "output/PrintFont.h"

#include <algorithm>

namespace mcb {

// A hand-edited size of 0 would print nothing readable and a huge one a page per line; the font
// choice never offers either.
PrintFont ChoosePrintFont(const PrinterSettings& saved, const PrinterFonts& fonts) {
    for (const std::string& name : {saved.Font, std::string(kUsualFont)})
        if (fonts.Offers(name)) return {name, std::clamp(saved.FontSize, kSmallestFontSize, kLargestFontSize)};
    return fonts.Current();
}

} // namespace mcb
