#include "radio/radio_families.h"

namespace orv::radio {

RadioFamilies::RadioFamilies(const FamilyWiring& wiring, const FamilyHooks& hooks)
    : icom_(wiring, hooks), ic910_(wiring, hooks), kenwood_(wiring, hooks), yaesu_(wiring, hooks),
      pcrAor_(wiring, hooks) {}

FamilyDriver& RadioFamilies::driverFor(RadioFamily family) {
    switch (family) {
    case RadioFamily::Icom:
    case RadioFamily::IcomR8500:
    case RadioFamily::IcomR9000:
        return icom_;
    case RadioFamily::Ic910:
        return ic910_;
    case RadioFamily::Kenwood:
    case RadioFamily::Ts2000:
        return kenwood_;
    case RadioFamily::Ft736:
    case RadioFamily::Ft847:
    case RadioFamily::Ft757:
    case RadioFamily::Ft100:
    case RadioFamily::Ft1000:
    case RadioFamily::Vr5000:
        return yaesu_;
    case RadioFamily::Pcr1000:
    case RadioFamily::Aor:
        return pcrAor_;
    case RadioFamily::None:
        break;
    }
    return none_;
}

} // namespace orv::radio
