#include "orbit/plan13.h"

#include "orbit/plan13_constants.h"
#include "orbit/time_routines.h"

#include <cmath>

namespace orv::orbit {

using namespace plan13;

namespace {

// Kepler's equation settles in a handful of rounds for any real orbit; the bound only
// stops a pathological set from spinning the tick.
constexpr int kKeplerRounds = 50;
constexpr double kKeplerTolerance = 0.00001;
// From the mean anomaly, Newton's method wanders for hundreds of rounds once the orbit
// is very eccentric (and never settles near 1). Starting 0.85 e ahead of it settles in
// at most 13 rounds up to e = 0.9999; the root found is the same.
constexpr double kEccentricStart = 0.8;

double keplerStart(double M, double EC) {
    if (EC < kEccentricStart) return M;
    return M + 0.85 * EC * (std::sin(M) >= 0 ? 1 : -1);
}

// (x, y, z) turned about the z axis by the angle whose cosine and sine are CG, SG.
Vector3 toEarth(double x, double y, double z, double CG, double SG) {
    return {x * CG - y * SG, x * SG + y * CG, z};
}

} // namespace

Plan13::Plan13(const ElementSet& elements) : e_(elements) {
    const double MM = e_.MM, EC = e_.EC;
    c_.N0 = MM / 86400;
    c_.A0 = std::cbrt(GM / c_.N0 / c_.N0);
    c_.B0 = c_.A0 * std::sqrt(1 - EC * EC);
    c_.SI = std::sin(e_.IN);
    c_.CI = std::cos(e_.IN);
    double PC = RE * c_.A0 / (c_.B0 * c_.B0);
    PC = 1.5 * J2 * PC * PC * MM;
    c_.QD = -PC * c_.CI;
    c_.WD = PC * (5 * c_.CI * c_.CI - 1) / 2;
    c_.DC = -2 * e_.M2 / MM / 3;

    const double wholeDay = std::floor(e_.TE);
    c_.DE = ConvDay(e_.YE, 1, 0) + wholeDay;
    c_.TE = e_.TE - wholeDay;
    const double TEG = c_.DE - ConvDay(YG, 1, 0) + c_.TE;
    c_.GHAE = RAD * G0 + TEG * WE;

    usable_ = MM > 0 && EC >= 0 && EC < 1 && c_.B0 > 0 && std::isfinite(c_.A0) &&
              std::isfinite(PC) && std::isfinite(c_.DC) && std::isfinite(c_.GHAE) &&
              std::isfinite(e_.MA) && std::isfinite(e_.WP) && std::isfinite(e_.RA);
}

bool Plan13::at(double day, const Attitude& attitude, SatelliteState& state) const {
    if (!usable_) return false;
    const double EC = e_.EC, MM = e_.MM;
    const double T = day - (c_.DE + c_.TE);

    // Drag and mean anomaly.
    const double DT = c_.DC * T / 2;
    const double KD = 1 + 4 * DT;
    const double KDP = 1 - 7 * DT;
    double M = e_.MA + MM * T * (1 - 3 * DT);
    M -= std::floor(M / TWO_PI) * TWO_PI;
    if (!std::isfinite(M) || KD <= 0) return false; // the drag term has eaten the orbit

    // Kepler's equation.
    double EA = keplerStart(M, EC), CE = 1, SE = 0, DNOM = 1, D = 1;
    int round = 0;
    for (; round < kKeplerRounds && !(std::fabs(D) < kKeplerTolerance); ++round) {
        CE = std::cos(EA);
        SE = std::sin(EA);
        DNOM = 1 - EC * CE;
        D = (EA - EC * SE - M) / DNOM;
        EA -= D;
    }
    if (!(std::fabs(D) < kKeplerTolerance)) return false;

    // Position and velocity in the orbit plane.
    const double A = c_.A0 * KD, B = c_.B0 * KD;
    const double RS = A * DNOM;
    const double Sx = A * (CE - EC), Sy = B * SE;
    const double Vx = -A * SE / DNOM * c_.N0, Vy = B * CE / DNOM * c_.N0;

    // Orientation of the plane, drifting at the J2 rates.
    const double AP = e_.WP + c_.WD * T * KDP;
    const double CW = std::cos(AP), SW = std::sin(AP);
    const double RAAN = e_.RA + c_.QD * T * KDP;
    const double CQ = std::cos(RAAN), SQ = std::sin(RAAN);
    const double CI = c_.CI, SI = c_.SI;

    // Plane to celestial axes.
    const double CXx = CW * CQ - SW * CI * SQ, CXy = -SW * CQ - CW * CI * SQ, CXz = SI * SQ;
    const double CYx = CW * SQ + SW * CI * CQ, CYy = -SW * SQ + CW * CI * CQ, CYz = -SI * CQ;
    const double CZx = SW * SI, CZy = CW * SI, CZz = CI;

    // Attitude in the orbit frame.
    const double CO = std::cos(attitude.ALON * RAD), SO = std::sin(attitude.ALON * RAD);
    const double CL = std::cos(attitude.ALAT * RAD), SL = std::sin(attitude.ALAT * RAD);
    const double AX = -CL * CO, AY = -CL * SO, AZ = -SL;

    // Celestial, then Earth-fixed.
    const double GHAA = c_.GHAE + WE * T;
    const double CG = std::cos(-GHAA), SG = std::sin(-GHAA);
    state.T = T;
    state.M = M;
    state.RS = RS;
    state.S = toEarth(Sx * CXx + Sy * CXy, Sx * CYx + Sy * CYy, Sx * CZx + Sy * CZy, CG, SG);
    state.V = toEarth(Vx * CXx + Vy * CXy, Vx * CYx + Vy * CYy, Vx * CZx + Vy * CZy, CG, SG);
    state.AN = toEarth(AX * CXx + AY * CXy + AZ * CXz, AX * CYx + AY * CYy + AZ * CYz,
                       AX * CZx + AY * CZy + AZ * CZz, CG, SG);
    state.CG = CG;
    state.SG = SG;
    return std::isfinite(RS) && RS > 0 && isFinite(state.S) && isFinite(state.V) &&
           isFinite(state.AN) && std::isfinite(CG) && std::isfinite(SG);
}

SunPoint Plan13::sunAt(const SatelliteState& state) const {
    return sunAtDay(epochDay() + state.T);
}

// The sun's elements run from the sun epoch (day number 0), so only the instant matters.
SunPoint sunAtDay(double day) {
    static const double CNS = std::cos(INS * RAD), SNS = std::sin(INS * RAD);
    const double GHAA = RAD * G0 + WE * day;
    const double MAS = RAD * (MAS0 + MASD * day);
    const double TAS = RAD * G0 + WW * day + PI + EQC1 * std::sin(MAS);
    const double CTA = std::cos(TAS), STA = std::sin(TAS);
    const Vector3 H = toEarth(CTA, STA * CNS, STA * SNS, std::cos(-GHAA), std::sin(-GHAA));
    return {arctan(H.y, H.x), arcSine(H.z)};
}

bool observe(const StationModel& station, const SatelliteState& state, Observation& seen) {
    const Vector3& O = station.O;
    Vector3 R{state.S.x - O.x, state.S.y - O.y, state.S.z - O.z};
    const double range = std::sqrt(R.x * R.x + R.y * R.y + R.z * R.z);
    if (!(range > 0) || !std::isfinite(range)) return false;
    R = {R.x / range, R.y / range, R.z / range};
    const Vector3 &Up = station.U, &E = station.E, &N = station.N;
    const double u = Up.x * R.x + Up.y * R.y + Up.z * R.z;
    const double e = E.x * R.x + E.y * R.y;
    const double n = N.x * R.x + N.y * R.y + N.z * R.z;
    const Vector3& V = state.V;
    const Vector3& AN = state.AN;
    seen.range = range;
    seen.unitRange = R;
    seen.azimuth = DEG * arctan(e, n);
    seen.elevation = DEG * arcSine(u);
    seen.rangeRate = (V.x - station.VOx) * R.x + (V.y - station.VOy) * R.y + V.z * R.z;
    seen.squint = 180 - DEG * arcCosine(-(R.x * AN.x + R.y * AN.y + R.z * AN.z));
    return std::isfinite(seen.azimuth) && std::isfinite(seen.elevation) &&
           std::isfinite(seen.rangeRate) && std::isfinite(seen.squint);
}

SubPoint subPointOf(const SatelliteState& state) {
    return {DEG * arctan(state.S.y, state.S.x), DEG * arcSine(state.S.z / state.RS), state.RS - RE};
}

} // namespace orv::orbit
