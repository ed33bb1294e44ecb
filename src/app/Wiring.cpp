#include "app/Wiring.h"

namespace mcb {

void WireProgram(TMainForm& form) {
    WireDiscs(form);
    WireDiscInfo(form);
    WireJournal(form);
    WireLists(form);
    WireSettings(form);
    WireUpdate(form);
}

} // namespace mcb
