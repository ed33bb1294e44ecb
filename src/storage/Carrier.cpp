#include "storage/CatalogueFormat.h"

namespace mcb {

namespace {
constexpr int kMediumFactor = 1024;
}

int PackCarrier(int medium, int count) {
    return medium < 0 ? -kMediumFactor : medium * kMediumFactor + count;
}

// C++ division truncates toward zero and the remainder takes the sign of the dividend, which is
// exactly how the stored value is taken apart.
int CarrierMedium(int car) {
    return car / kMediumFactor;
}

int CarrierCount(int car) {
    return car % kMediumFactor;
}

} // namespace mcb
