#include "output/PrintWindowRules.h"

#include "storage/Literal.h"

namespace mcb {

ColourControls ColourInterlock(const PrinterSettings& o) {
    const bool on = o.EnabledColorPrint;
    return {on, on && o.EnabledNewColor, on && o.EnabledInfoColor, on && o.EnabledBackColor};
}

void ApplySwatchChoice(Swatch swatch, std::optional<int> chosen, PrinterSettings& options, RunningColours& running) {
    int& colour = swatch == Swatch::Back  ? options.BackColor
                  : swatch == Swatch::New ? options.NewColor
                                          : options.InfoColor;
    if (chosen) colour = *chosen & 0xFFFFFF;
    if (swatch == Swatch::New) running.newDisc = colour;
    if (swatch == Swatch::Info) running.lentDisc = colour;
}

std::string PrinterCaption(const std::string& printerName) {
    return W("Принтер ") + printerName;
}

std::string PrinterUnavailableCaption() {
    return W("Принтер недоступен !");
}

std::string FontCaption(const std::string& name, int size) {
    return name + ", Size=" + std::to_string(size);
}

std::string FormatApology() {
    return W("Извините!\r\nВ данной версии эта функция не поддерживается!");
}

std::string PdfPrinterName() {
    return W("Файл PDF");
}

} // namespace mcb
