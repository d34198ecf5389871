// Doppler and transponder arithmetic on plain values: frequencies in MHz,
// Doppler in whole Hz, range rate in km/s (positive while the distance grows).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orv::radio {

inline constexpr double kSpeedOfLightKmS = 299792.458;

// +1, or -1 when a converter's L.O. lies above the signal and so inverts the
// sideband and the direction the dial turns at the radio.
int linkSign(double signalMHz, double converterMHz);

// "LSB" and "USB" exchanged; any other mode unchanged.
std::string swappedSideband(const std::string& mode);

// The Doppler shift of a link on the air, Int(-f x rangeRate / c x 1e6), Int taking
// the next lower whole number. 0 when the range rate is not a number. It carries no
// converter sign: a converter changes the dial, not what travels to the satellite.
int dopplerHz(double mhz, double rangeRateKmS);

// Where the radios' dials must be, in whole Hz: the uplink transmitted below the
// Doppler shift, the downlink received on it, each taken through its converter. The
// frequency on the air is cut to whole Hz before the converter, so a converter whose
// L.O. lies above the signal (and turns the dial the other way) moves the air side by
// less than a Hz too. Nothing for a value that is not a number or beyond any band.
std::optional<int64_t> uplinkDialHz(double uplinkMHz, int uplinkDopplerHz, double upConverterMHz);
std::optional<int64_t> downlinkDialHz(double downlinkMHz, int downlinkDopplerHz,
                                      double downConverterMHz);

// The uplink that keeps a transponder's relation to the downlink for the L.O.: an
// inverting transponder keeps uplink + downlink = L.O., a non-inverting one their
// difference. Unchanged when the two links are equal or the L.O. equals the compared link.
double transponderUplink(double downlinkMHz, double uplinkMHz, double transponderMHz);

// The analog uplink of a record: |downlink - L.O.|, or downlink + L.O. when that
// difference lies at or below 144 MHz; each with the record's tiny offset.
double analogUplink(double downlinkMHz, double transponderMHz);

// A downlink radio's dial reading R taken back to the satellite: R without the
// Doppler (which the sign turns with the dial), through the down-converter.
// Nothing when the reading sits exactly on the converter (no side to take it from).
std::optional<double> downlinkFromReading(double readingMHz, double downlinkMHz,
                                          double downConverterMHz, int downlinkSign,
                                          int downlinkDopplerHz);

// The retune test: the dial (whole Hz) moved by more than the step since the last retune.
bool movedPastStep(int64_t dialHz, int64_t referenceHz, double stepHz);

} // namespace orv::radio
