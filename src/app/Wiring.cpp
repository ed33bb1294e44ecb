#include "app/Wiring.h"

namespace mcb {

void WireProgram(TMainForm& form) {
    WireDiscs(form);
    WireDiscInfo(form);
    WireJournal(form);
    WireLists(form);
    WirePrint(form);
    WireSettings(form);
    WireUpdate(form);
    WireExport(form);
    WireImport(form);
}

} // namespace mcb
