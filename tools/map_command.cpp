// orv_kite_tool map: the world map the station would draw at a chosen instant, from its
// settings store, as a PNG, with the satellites drawn listed as TSV.
#include "core/configuration.h"
#include "core/panel.h"
#include "core/satellite_db.h"
#include "core/sky_store.h"
#include "core/tracking_state.h"
#include "orbit/day_instant.h"
#include "orbit/element_import.h"
#include "orbit/element_store.h"
#include "orbit/keplers.h"
#include "orbit/private_element_store.h"
#include "orbit/time_routines.h"
#include "sky/day_night.h"
#include "sky/horizon_table.h"
#include "sky/map_mode_pass.h"
#include "sky/map_pictures.h"
#include "sky/map_renderer.h"
#include "sky/map_scene_builder.h"
#include "sky/priority_selection.h"
#include "tools/commands.h"
#include "tools/orbit_tool_common.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cmath>
#include <cstdio>

namespace orv::tools {

namespace {

const char* kMapUsage =
    "Usage: orv_kite_tool map --settings FILE --time \"YYYY-MM-DD hh:mm:ss\" --png FILE\n"
    "                         [--type 0|1|2] [--sun] [--threshold DEG] [--width PIXELS]\n"
    "                         [--selected NAME] [--variant 3|4] [--program-dir DIR]\n"
    "                         [--elements FILE]\n"
    "  Draws the world map as the station does at a map update at that local time (the\n"
    "  station's --time), for the satellites of its store, and writes it as a PNG. Prints\n"
    "  (TSV) each satellite drawn: map position in map units (25 a degree, 9000 across),\n"
    "  sub-satellite point, elevation in degrees and visible, obscured (behind the horizon\n"
    "  table) or selected (--selected); then a row \"sun\" when --sun shows it.\n"
    "  --type: 0 the map centred on 154 E, 1 on 0, 2 on 263 E (default: the configuration's\n"
    "  map centre). --threshold: the lowest elevation drawn (default 0; the filter controls\n"
    "  set -6 and -90). --width: the picture's width (default the map's own, 2048).\n"
    "  The maps come from the program directory (default ORV_KITE<variant> beside the tool),\n"
    "  the element sets from the element file the station reads there at start-up (the\n"
    "  configuration's entry 6) or from --elements FILE.\n";

constexpr double kDegree = M_PI / 180;
constexpr int kLargestWidth = 8192;

int fail(const std::string& message, int code = 1) {
    std::fprintf(stderr, "orv_kite_tool: %s\n", message.c_str());
    return code;
}

struct MapOptions {
    QDateTime local;
    sky::MapChoices choices;
    bool typeGiven = false;
    int width = 0;
    std::string png;
    std::string selected;
    std::string programDir;
};

bool readOptions(const ToolArguments& arguments, int variant, MapOptions& options) {
    if (!arguments.has("--settings") || !arguments.has("--time") || !arguments.has("--png")) {
        std::fprintf(stderr, "orv_kite_tool: --settings, --time and --png are required\n");
        return false;
    }
    const QDateTime fields = orbit::parseUtcInstant(arguments.value("--time"));
    if (!fields.isValid()) {
        std::fprintf(stderr, "orv_kite_tool: --time takes \"YYYY-MM-DD hh:mm:ss\", not \"%s\"\n",
                     arguments.value("--time").c_str());
        return false;
    }
    options.local = QDateTime(fields.date(), fields.time());
    double type = 0, threshold = 0, width = 0;
    if (!numberOption(arguments, "--type", type, false, 0) ||
        !numberOption(arguments, "--threshold", threshold, false, 0) ||
        !numberOption(arguments, "--width", width, false, 0))
        return false;
    options.typeGiven = arguments.has("--type");
    if (options.typeGiven &&
        (type != std::floor(type) || !sky::mapTypeFromNumber(int(type), options.choices.type))) {
        std::fprintf(stderr, "orv_kite_tool: --type is 0, 1 or 2\n");
        return false;
    }
    if (arguments.has("--width") &&
        (width != std::floor(width) || width < 360 || width > kLargestWidth)) {
        std::fprintf(stderr, "orv_kite_tool: --width is a whole number from 360 to %d\n",
                     kLargestWidth);
        return false;
    }
    if (threshold < -90 || threshold > 90) {
        std::fprintf(stderr, "orv_kite_tool: --threshold is an elevation, -90 to 90\n");
        return false;
    }
    options.choices.threshold = threshold;
    options.choices.sunShown = arguments.has("--sun");
    options.width = static_cast<int>(width);
    options.png = arguments.value("--png");
    options.selected = arguments.value("--selected");
    options.programDir = arguments.value("--program-dir", (QCoreApplication::applicationDirPath() +
                                                           "/ORV_KITE" + QString::number(variant))
                                                              .toStdString());
    return true;
}

// The pictures at the width asked for.
void scalePictures(QImage& day, QImage& night, int width) {
    if (width <= 0 || width == day.width()) return;
    const int height = static_cast<int>(std::lround(double(width) * day.height() / day.width()));
    day = day.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!night.isNull())
        night = night.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void printRows(const sky::MapScene& scene, const core::ConfigValues& config) {
    std::printf("name\tx\ty\tsub_lon\tsub_lat\televation\tstate\n");
    for (const auto& satellite : scene.satellites) {
        const sky::MapPoint at =
            sky::sat_pos(satellite.subLongitude, satellite.subLatitude, scene.type);
        std::printf("%s\t%d\t%d\t%.3f\t%.3f\t%.2f\t%s\n", satellite.name.c_str(), at.x, at.y,
                    satellite.subLongitude, satellite.subLatitude, satellite.elevation,
                    sky::mapMarkWord(satellite.mark));
    }
    if (!scene.sun) return;
    const sky::SunPosition& sun = *scene.sun;
    const sky::MapPoint at = sky::sat_pos(sun.longitude, sun.latitude, scene.type);
    const double height = sky::sunHeightSine(sun, config.longitude, config.latitude);
    std::printf("sun\t%d\t%d\t%.3f\t%.3f\t%.2f\tshown\n", at.x, at.y, sun.longitude, sun.latitude,
                std::asin(std::clamp(height, -1.0, 1.0)) / kDegree);
}

// The element sets the station would have: its element file, read as at start-up.
bool loadStationElements(const ToolArguments& arguments, const std::string& programDir,
                         const core::ConfigValues& config, orbit::PrivateElementStore& store) {
    const std::string path =
        arguments.value("--elements", orbit::elementFilePath(programDir, config.kepPathFile));
    const orbit::ImportResult result = store.load(path);
    if (result.status == orbit::ImportStatus::FileMissing) {
        std::fprintf(stderr, "orv_kite_tool: cannot read the element file %s\n", path.c_str());
        return false;
    }
    if (result.status == orbit::ImportStatus::FileCorrupt)
        std::fprintf(stderr, "orv_kite_tool: warning: %s; the %d sets before it are used\n",
                     result.detail.c_str(), result.setsWritten);
    return true;
}

// A listed satellite without an element set is never drawn: say which.
void warnOfListedWithoutElements(const std::vector<std::string>& names,
                                 const orbit::ElementStore& elements) {
    std::string line1, line2;
    for (const auto& name : names)
        if (!elements.lines(orbit::elementNameOf(name), line1, line2))
            std::fprintf(stderr, "orv_kite_tool: warning: no element set for %s: not drawn\n",
                         name.c_str());
}

} // namespace

int mapCommand(const std::vector<std::string>& words) {
    ToolArguments arguments;
    int exitCode = 0;
    if (!argumentsOrUsage(words,
                          {"--settings", "--time", "--type", "--threshold", "--png", "--width",
                           "--selected", "--variant", "--program-dir", "--elements", flag("--sun")},
                          kMapUsage, arguments, exitCode))
        return exitCode;
    int variant = 4;
    MapOptions options;
    if (!variantOf(arguments, variant) || !readOptions(arguments, variant, options)) return 2;
    if (!QFileInfo(QString::fromStdString(arguments.value("--settings"))).isFile())
        return fail("no settings store at " + arguments.value("--settings"));
    const auto store = openStore(arguments);
    if (!store) return 1;

    core::ConfigValues config;
    std::vector<std::string> names;
    std::optional<sky::HorizonTable> horizon;
    try {
        config = core::Configuration(*store).load(variant);
        names = core::SatelliteDb(*store).names();
        if (config.horizonTable == "YES")
            horizon = sky::HorizonTable(core::readHorizonSegments(*store));
    } catch (const core::SettingsError& error) {
        return fail(error.what());
    }
    if (names.size() > size_t(core::kAutoTrackListLimit)) names.resize(core::kAutoTrackListLimit);
    if (!options.typeGiven)
        options.choices.type = sky::mapTypeForCentre(core::mapCentreDegrees(config.mapCentre));

    sky::MapPictures pictures;
    std::string missing;
    if (!pictures.load(options.programDir, options.choices.type, missing))
        return fail("no map picture " + missing + " in " + options.programDir);

    // The station's pass over its list, at the instant asked for.
    const orbit::TimeFields time = orbit::timeFieldsFor(options.local, config.utcOffset);
    const double day = time.dayNumber + time.dayFraction;
    core::TrackingState tracking;
    core::Panel panel;
    int elementsValid = 0, elementsMissing = 0;
    orbit::PrivateElementStore privateElements;
    if (!loadStationElements(arguments, options.programDir, config, privateElements)) return 1;
    const orbit::ElementStore& elements = privateElements.elements();
    warnOfListedWithoutElements(names, elements);
    orbit::Keplers keplers(
        orbit::Keplers::Wiring{elements, tracking, panel, {elementsValid, elementsMissing}, [&] {
                                   tracking.dayNumber = time.dayNumber;
                                   tracking.dayFraction = time.dayFraction;
                               }});
    keplers.setStationModel(
        orbit::StationModel::from(config.latitude, config.longitude, config.height));
    const auto positions = sky::mapModePositions(names, elements, keplers, tracking);
    sky::SelectionRules rules;
    rules.startTrackingAt = config.startTrackingAt;
    rules.horizon = horizon ? &*horizon : nullptr;
    const sky::Selection marks = sky::selectByPriority(positions, {}, sky::DroppedRing{}, rules);

    sky::MapScene scene =
        sky::buildMapScene(positions, marks.obscured, options.selected, options.choices, day);
    std::string line1, line2;
    if (!options.selected.empty() &&
        elements.lines(orbit::elementNameOf(options.selected), line1, line2))
        scene.groundTrack = sky::groundTrack(line1, line2, day);

    QImage dayPicture = pictures.day(), nightPicture = pictures.night();
    scalePictures(dayPicture, nightPicture, options.width);
    const QImage background =
        scene.sun ? sky::dayNightPicture(dayPicture, nightPicture, scene.type, *scene.sun)
                  : dayPicture;
    if (!sky::renderMap(scene, background).save(QString::fromStdString(options.png), "PNG"))
        return fail("cannot write " + options.png);
    printRows(scene, config);
    return 0;
}

} // namespace orv::tools
