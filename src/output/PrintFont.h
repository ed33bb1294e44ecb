// The printing font of a job: the saved one when the printer offers it, with the window's fall-backs.
#pragma once

#include "storage/Settings.h"

#include <string>

namespace mcb {

struct PrintFont {
    std::string name; // Windows-1251
    int size = 10;    // points
};

// The fonts of the current printer.
class PrinterFonts {
public:
    virtual ~PrinterFonts() = default;
    virtual bool Offers(const std::string& name) const = 0;
    // The printer's own font, taken when neither the saved font nor the usual one is offered.
    virtual PrintFont Current() const = 0;
};

inline constexpr const char* kUsualFont = "Microsoft Sans Serif";
inline constexpr int kSmallestFontSize = 6;
inline constexpr int kLargestFontSize = 16;

// The saved font when offered, otherwise the usual font when offered, either at the saved size (kept
// within the sizes the font choice allows); otherwise the printer's own font and size.
PrintFont ChoosePrintFont(const PrinterSettings& saved, const PrinterFonts& fonts);

} // namespace mcb
