#include "core/satellite_record.h"

#include "core/number_text.h"

namespace orv::core {

SatelliteRecord satelliteTemplate(bool analog, const std::string& name) {
    SatelliteRecord record;
    for (const auto& field : kSatelliteFields)
        record[field.key - 1] = analog ? field.analog : field.digital;
    record[0] = name;
    return record;
}

RadioDelay parseRadioDelay(const std::string& field) {
    const auto comma = field.find(',');
    if (comma == std::string::npos) return {leadingNumber(field), false};
    return {leadingNumber(field.substr(0, comma)), true};
}

std::string elementName(const std::string& satelliteName) {
    return satelliteName.substr(0, satelliteName.find('_'));
}

namespace {

int boxPort(int port, int variant) {
    return variant == 3 && port > 2 ? port - 2 : port;
}

RadioLink link(const SatelliteRecord& r, int radioKey, int variant) {
    RadioLink l;
    l.radio = wholeValue(leadingNumber(r[radioKey - 1]));
    l.port = boxPort(wholeValue(leadingNumber(r[radioKey])), variant);
    l.baud = trimmed(r[radioKey + 1]);
    l.delay = parseRadioDelay(r[radioKey + 2]);
    return l;
}

} // namespace

SatelliteConfig typedSatellite(const SatelliteRecord& r, int variant) {
    const auto number = [&](int key) { return leadingNumber(r[key - 1]); };
    const auto whole = [&](int key) { return static_cast<int>(wholeValue(number(key))); };
    SatelliteConfig c;
    c.name = r[0];
    c.analog = upperCased(r[1]) == "ANALOG";
    c.uplinkMHz = number(3);
    c.uplinkMode = upperCased(r[3]);
    c.uplinkStepHz = number(5);
    c.upConverterMHz = number(6);
    c.uplink = link(r, 7, variant);
    c.ecpAtAos = whole(11);
    c.ecpAtLos = whole(12);
    c.transponderMHz = number(13);
    c.downlinkMHz = number(14);
    c.downlinkMode = upperCased(r[14]);
    c.downlinkStepHz = whole(16);
    c.downConverterMHz = number(17);
    c.downlink = link(r, 18, variant);
    c.beaconMHz = number(22);
    c.ctcss = r[22];
    return c;
}

} // namespace orv::core
