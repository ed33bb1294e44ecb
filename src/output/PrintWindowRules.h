// What the print window decides, free of screen code: the colour interlock, the swatches and the
// running table colours, the captions and the format choice of the disc sheet.
#pragma once

#include "storage/Settings.h"

#include <optional>
#include <string>

namespace mcb {

// The two jobs of the print window.
enum class PrintMode { CatalogueReport, DiscSheet };

struct ColourControls {
    bool subOptionsEnabled = false; // CBColNew, CBColInfo, CBColBack
    bool newSwatch = false;         // ColNew: enabled and filled solid; otherwise hatched
    bool infoSwatch = false;        // ColInfo
    bool backSwatch = false;        // ColBack
};

ColourControls ColourInterlock(const PrinterSettings& options);

enum class Swatch { Back, New, Info };

// The running table colours of the main window that the print window changes.
struct RunningColours {
    int newDisc = 0;
    int lentDisc = 0;
};

// A click on an enabled swatch after the colour dialog: a confirmed choice (lower 24 bits) becomes
// the swatch's colour; the new-disc and lending swatches then give their colour to the running
// table colours whether the dialog was confirmed or not.
void ApplySwatchChoice(Swatch swatch, std::optional<int> chosen, PrinterSettings& options, RunningColours& running);

// "Принтер " and the printer's name; the caption while the printer cannot be queried.
std::string PrinterCaption(const std::string& printerName);
std::string PrinterUnavailableCaption();

// The font's name, ", Size=" and its size, as FontLabel shows it.
std::string FontCaption(const std::string& name, int size);

// The only format of the disc sheet in this version; the others get this apology (two lines).
std::string FormatApology();

// The name the file printer is shown by.
std::string PdfPrinterName();

} // namespace mcb
