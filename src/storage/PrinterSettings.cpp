#include "storage/KeyBinding.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"

namespace mcb {

namespace {

std::vector<KeyBinding> PrinterKeys(PrinterSettings& p) {
    return {{"PrintFilter", &p.PrintFilter},
            {"PrintSeparator", &p.PrintSeparator},
            {"PrintInfo", &p.PrintInfo},
            {"PrintPageNums", &p.PrintPageNums},
            {"Font", &p.Font},
            {"FontSize", &p.FontSize},
            {"EnabledColorPrint", &p.EnabledColorPrint},
            {"EnabledNewColor", &p.EnabledNewColor},
            {"EnabledInfoColor", &p.EnabledInfoColor},
            {"EnabledBackColor", &p.EnabledBackColor},
            {"BackColor", &p.BackColor},
            {"NewColor", &p.NewColor},
            {"InfoColor", &p.InfoColor}};
}

// Colours keep only red, green and blue; whatever a hand edit put above them is dropped.
void KeepColourBits(PrinterSettings& p) {
    for (int* colour : {&p.BackColor, &p.NewColor, &p.InfoColor}) *colour &= 0xFFFFFF;
}

} // namespace

PrinterSettings ReadPrinterSettings(const TIniFile& ini) {
    PrinterSettings p;
    ReadKeys(ini, "Printer", PrinterKeys(p));
    KeepColourBits(p);
    return p;
}

void WritePrinterSettings(TIniFile& ini, const PrinterSettings& printer) {
    PrinterSettings p = printer;
    KeepColourBits(p);
    WriteKeys(ini, "Printer", PrinterKeys(p));
}

} // namespace mcb
