#!/usr/bin/python3
"""Reference look angles from an independent SGP4 implementation (Debian's
python3-sgp4), printed as the table rows of plan13_sgp4_test.cpp.

Run once by hand: /usr/bin/python3 tests/orbit/sgp4_reference.py
The rows are kept in the test; nothing runs this at build or test time.

SGP4 gives the satellite in the TEME frame; it is turned into Earth-fixed axes by
the Greenwich mean sidereal time (polar motion and the equation of the equinoxes
left out, both far below the agreement checked). The observer sits on the WGS-84
ellipsoid. The sun's sub-point comes from the low-precision solar coordinates of
the Astronomical Almanac (good to about 0.01 degree).
"""
import datetime
import math

from sgp4.api import Satrec, jday
from sgp4.propagation import gstime

SETS = {
    "ISS (ZARYA)": (
        "1 25544U 98067A   18020.89808844  .00002078  00000-0  38550-4 0  9992",
        "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 15.54190080 95614"),
    "NOAA 19": (
        "1 33591U 09005A   18020.91958580  .00000107  00000-0  83477-4 0  9992",
        "2 33591  99.1238 356.1693 0014450  24.0615 336.1228 14.12247534461122"),
    "MOLNIYA 3-50": (
        "1 25847U 99036A   18019.09360018  .00000372  00000-0 -46919-2 0  9993",
        "2 25847  62.1153 216.6069 7199874 268.4889  15.8601  2.00655512135800"),
}
OBSERVERS = {
    "hastings": (-39.524, 176.869, 50.0),
    "london": (51.48, -0.01, 45.0),
    "boulder": (40.015, -105.27, 1655.0),
}
CASES = [
    ("ISS (ZARYA)", "hastings", "2018-01-20 22:20:00"),
    ("ISS (ZARYA)", "hastings", "2018-01-21 03:12:00"),
    ("ISS (ZARYA)", "london", "2018-01-20 21:36:00"),
    ("ISS (ZARYA)", "london", "2018-01-20 23:09:00"),
    ("ISS (ZARYA)", "boulder", "2018-01-21 03:40:00"),
    ("ISS (ZARYA)", "boulder", "2018-01-21 10:09:00"),
    ("NOAA 19", "hastings", "2018-01-21 04:39:00"),
    ("NOAA 19", "hastings", "2018-01-21 14:26:00"),
    ("NOAA 19", "london", "2018-01-21 03:46:00"),
    ("NOAA 19", "london", "2018-01-21 05:27:00"),
    ("NOAA 19", "boulder", "2018-01-20 22:14:00"),
    ("NOAA 19", "boulder", "2018-01-21 10:37:00"),
    ("MOLNIYA 3-50", "london", "2018-01-19 04:01:00"),
    ("MOLNIYA 3-50", "london", "2018-01-19 17:30:00"),
    ("MOLNIYA 3-50", "boulder", "2018-01-19 15:12:00"),
    ("MOLNIYA 3-50", "boulder", "2018-01-20 15:07:00"),
]
EARTH_TURN = 7.292115146706979e-5  # rad/s


def observer_position(lat, lon, height_m):
    a, f = 6378.137, 1 / 298.257223563
    e2 = f * (2 - f)
    p, l = math.radians(lat), math.radians(lon)
    n = a / math.sqrt(1 - e2 * math.sin(p) ** 2)
    h = height_m / 1000
    return ((n + h) * math.cos(p) * math.cos(l), (n + h) * math.cos(p) * math.sin(l),
            (n * (1 - e2) + h) * math.sin(p))


def look(name, observer, when):
    sat = Satrec.twoline2rv(*SETS[name])
    jd, fr = jday(when.year, when.month, when.day, when.hour, when.minute, when.second)
    error, r, v = sat.sgp4(jd, fr)
    assert error == 0
    g = gstime(jd + fr)
    c, s = math.cos(g), math.sin(g)
    pos = (c * r[0] + s * r[1], -s * r[0] + c * r[1], r[2])
    vel = (c * v[0] + s * v[1] + EARTH_TURN * pos[1], -s * v[0] + c * v[1] - EARTH_TURN * pos[0],
           v[2])
    lat, lon, height = OBSERVERS[observer]
    o = observer_position(lat, lon, height)
    rho = [pos[i] - o[i] for i in range(3)]
    rng = math.sqrt(sum(x * x for x in rho))
    p, l = math.radians(lat), math.radians(lon)
    east = -math.sin(l) * rho[0] + math.cos(l) * rho[1]
    north = (-math.sin(p) * math.cos(l) * rho[0] - math.sin(p) * math.sin(l) * rho[1] +
             math.cos(p) * rho[2])
    up = (math.cos(p) * math.cos(l) * rho[0] + math.cos(p) * math.sin(l) * rho[1] +
          math.sin(p) * rho[2])
    radius = math.sqrt(sum(x * x for x in pos))
    return {
        "az": math.degrees(math.atan2(east, north)) % 360,
        "el": math.degrees(math.asin(up / rng)),
        "range": rng,
        "rr": sum(rho[i] * vel[i] for i in range(3)) / rng,
        "lon": math.degrees(math.atan2(pos[1], pos[0])) % 360,
        "lat": math.degrees(math.asin(pos[2] / radius)),
        "sun": sun_sub_point(jd + fr, g),
    }


def sun_sub_point(jd, gmst):
    n = jd - 2451545.0
    mean_lon = (280.460 + 0.9856474 * n) % 360
    anomaly = math.radians((357.528 + 0.9856003 * n) % 360)
    ecl_lon = math.radians(mean_lon + 1.915 * math.sin(anomaly) + 0.020 * math.sin(2 * anomaly))
    obliquity = math.radians(23.439 - 0.0000004 * n)
    ra = math.atan2(math.cos(obliquity) * math.sin(ecl_lon), math.cos(ecl_lon))
    dec = math.asin(math.sin(obliquity) * math.sin(ecl_lon))
    return math.degrees(ra - gmst) % 360, math.degrees(dec)


def main():
    for name, observer, text in CASES:
        when = datetime.datetime.fromisoformat(text)
        x = look(name, observer, when)
        lat, lon, height = OBSERVERS[observer]
        print(f'    {{"{name}", {lat}, {lon}, {height}, "{text}", {x["az"]:.4f}, {x["el"]:.4f}, '
              f'{x["range"]:.3f}, {x["rr"]:.5f}, {x["lon"]:.4f}, {x["lat"]:.4f}, '
              f'{x["sun"][0]:.4f}, {x["sun"][1]:.4f}}},')


if __name__ == "__main__":
    main()
