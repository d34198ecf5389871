#include "orbit/station_model.h"

#include "orbit/plan13_constants.h"

#include <cmath>

namespace orv::orbit {

StationModel StationModel::from(double latitudeDeg, double longitudeDeg, double heightMetres) {
    using namespace plan13;
    StationModel s;
    s.LA = latitudeDeg * RAD;
    s.LO = longitudeDeg * RAD;
    s.HT = heightMetres / 1000;
    const double CL = std::cos(s.LA), SL = std::sin(s.LA);
    const double CO = std::cos(s.LO), SO = std::sin(s.LO);
    const double RP = RE * (1 - FL);
    const double XX = RE * RE, ZZ = RP * RP;
    const double D = std::sqrt(XX * CL * CL + ZZ * SL * SL);
    const double Rx = XX / D + s.HT, Rz = ZZ / D + s.HT;
    s.U = {CL * CO, CL * SO, SL};
    s.E = {-SO, CO, 0};
    s.N = {-SL * CO, -SL * SO, CL};
    s.O = {Rx * s.U.x, Rx * s.U.y, Rz * s.U.z};
    s.VOx = -s.O.y * W0;
    s.VOy = s.O.x * W0;
    return s;
}

} // namespace orv::orbit
