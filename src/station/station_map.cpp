// The station's world map: the pictures at start-up, the drawing at each map update on
// the positions and marks of the auto-track pass, the map controls, and a click on a
// dot selecting its satellite as a typed name is selected.
#include "core/messages.h"
#include "orbit/element_store.h"
#include "sky/map_hit_test.h"
#include "sky/map_renderer.h"
#include "sky/map_scene_builder.h"
#include "station/map_display.h"
#include "station/station.h"

#include <QSaveFile>
#include <cstdio>

namespace orv::station {

namespace {

// The map control labels and their captions.
struct MapControl {
    const char* name;
    const char* caption;
    const char* hint;
};
constexpr MapControl kMapControls[] = {
    {"lbl_nz", "Map centre 0", "Centre the map on 0 degrees"},
    {"lbl_uk", "Map centre 180", "Centre the map on 180 degrees"},
    {"lbl_mapus", "Map centre 270", "Centre the map on 270 degrees"},
    {"lbl_mapon", "Horizon filter on",
     "Click to restore or clean the map. (6 degree below horizon filter ON)"},
    {"lbl_mapoff", "Horizon filter off",
     "Click to restore or clean the map.  (6 degree below the horizon filter OFF)"},
    {"lbl_sun_on", "Sun on", "Show the sun and the grey line"},
    {"lbl_sun_off", "Sun off", "Hide the sun and the grey line"},
};
constexpr int kActiveColour = core::colour::kRed;
constexpr int kIdleColour = core::colour::kNavy;

} // namespace

const QImage& Station::mapImage() const {
    return map_->image;
}

const sky::MapScene& Station::mapSceneDrawn() const {
    return map_->scene;
}

std::string Station::mapAbsence() const {
    if (mapInUse())
        return map_->drawings
                   ? ""
                   : "The world map is drawn at the next map update (every " +
                         std::to_string(static_cast<int>(config_.mapUpdateSeconds)) + " s).";
    if (config_.mappingFeature != "YES")
        return "No world map: configuration entry 27 \"Mapping Feature\" is \"" +
               config_.mappingFeature +
               "\". Set it to YES in the configuration editor (Dbl click Configuration); it "
               "takes effect at the next start.";
    return "No world map while a tracking program supplies the positions (configuration "
           "entry 25 \"DDE Service\" is \"" +
           config_.ddeService + "\").";
}

bool Station::mapInUse() const {
    return loop_.mapUsed && config_.mappingFeature != "NO";
}

// Start-up: all three maps must be in the program directory; the one the configuration
// centres is read now, the others when chosen.
void Station::loadMapPicture() {
    map_->type = sky::mapTypeForCentre(mapCentreDegrees(config_.mapCentre));
    if (!loop_.mapUsed) return;
    std::string missing;
    if (!sky::MapPictures::allPresent(options_.programDir, missing) ||
        !map_->pictures.load(options_.programDir, map_->type, missing))
        throw StartupFailure{StartupFailure::Kind::MapPicturesMissing, missing};
}

void Station::showMapControls() {
    for (const auto& control : kMapControls) {
        panel_.setCaption(control.name, control.caption);
        panel_.setVisible(control.name, mapInUse());
    }
    panel_.setCaption("lbl_mapping", "World map");
    panel_.setCaption("lbl_map", "Control panel");
    panel_.setVisible("lbl_mapping", mapInUse());
    panel_.setVisible("lbl_map", mapInUse());
    refreshMapControls();
}

// The chosen map and the sun switch stand out among the controls.
void Station::refreshMapControls() {
    const auto mark = [this](const char* name, bool active) {
        panel_.setForeColor(name, active ? kActiveColour : kIdleColour);
    };
    mark("lbl_nz", map_->type == sky::MapType::Greenwich);
    mark("lbl_uk", map_->type == sky::MapType::Pacific);
    mark("lbl_mapus", map_->type == sky::MapType::Americas);
    mark("lbl_sun_on", map_->sunShown);
    mark("lbl_sun_off", !map_->sunShown);
    mark("lbl_mapon", map_->threshold == sky::kThresholdFilterOn);
    mark("lbl_mapoff", map_->threshold == sky::kThresholdFilterOff);
}

void Station::forceMapUpdate() {
    loop_.mapRefreshCounter = loop_.mapIntervalTicks - 1;
}

void Station::chooseMap(sky::MapType type) {
    if (type != map_->type && mapInUse()) {
        std::string missing;
        if (!map_->pictures.load(options_.programDir, type, missing)) {
            showMessage(mapPicturesMissingText() + missing);
            return;
        }
    }
    map_->type = type;
    forceMapUpdate();
}

void Station::lbl_nz_Click() {
    chooseMap(sky::MapType::Greenwich);
}
void Station::lbl_uk_Click() {
    chooseMap(sky::MapType::Pacific);
}
void Station::lbl_mapus_Click() {
    chooseMap(sky::MapType::Americas);
}

void Station::lbl_mapping_Click() {
    loop_.mapOnDisplay = 1;
    forceMapUpdate();
}
void Station::lbl_map_Click() {
    loop_.mapOnDisplay = 0;
    forceMapUpdate();
}

void Station::lbl_mapon_Click() {
    map_->threshold = sky::kThresholdFilterOn;
    forceMapUpdate();
}
void Station::lbl_mapoff_Click() {
    map_->threshold = sky::kThresholdFilterOff;
    forceMapUpdate();
}

void Station::lbl_sun_on_Click() {
    map_->sunShown = true;
    forceMapUpdate();
}
void Station::lbl_sun_off_Click() {
    map_->sunShown = false;
    forceMapUpdate();
}

void Station::Picture1_MouseDown(double x, double y) {
    map_->click = sky::MapPointF{x, y};
    forceMapUpdate();
}

// What this update draws, on the positions and horizon marks of the auto-track pass,
// with the selected satellite's ground track over its next orbit.
sky::MapScene Station::mapScene() const {
    const double day = tracking_.dayNumber + tracking_.dayFraction;
    sky::MapScene scene = sky::buildMapScene(skyPositions_, autoTrack_.lastSelection().obscured,
                                             loop_.selectedSatellite, mapChoices(), day);
    std::string line1, line2;
    if (loop_.selectedSatellite != kNoSatellite &&
        elementStore_->lines(orbit::elementNameOf(loop_.selectedSatellite), line1, line2))
        scene.groundTrack = sky::groundTrack(line1, line2, day);
    return scene;
}

sky::MapChoices Station::mapChoices() const {
    return {map_->type, map_->threshold, map_->sunShown};
}

// After the auto-track pass: a click waiting for this update selects the satellite
// under it, then the map is drawn (headless, only when it goes to a file).
void Station::drawMap() {
    if (!mapInUse() || !map_->pictures.loaded()) return;
    map_->scene = mapScene();
    if (map_->click) {
        const std::string clicked = sky::satelliteAt(map_->scene, *map_->click);
        map_->click.reset();
        if (!clicked.empty() && clicked != loop_.selectedSatellite) selectByName(clicked);
    }
    // Drawn only for someone to see it: a window showing the map, or the PNG file.
    if (!view_.mapDrawn && options_.mapPng.empty()) return;
    const QImage& background =
        map_->scene.sun ? map_->background.at(map_->pictures.day(), map_->pictures.night(),
                                              map_->type, *map_->scene.sun)
                        : map_->pictures.day();
    sky::renderMap(map_->scene, background, map_->image, map_->drawnTiles);
    ++map_->drawings;
    if (!options_.mapPng.empty()) writeMapPng();
    if (view_.mapDrawn) view_.mapDrawn();
}

// Replaces the file whole, so a script reading it never sees half a picture.
void Station::writeMapPng() {
    QSaveFile file(QString::fromStdString(options_.mapPng));
    if (file.open(QIODevice::WriteOnly) && map_->image.save(&file, "PNG") && file.commit()) return;
    std::fprintf(stderr, "orv_kite: cannot write the map to %s\n", options_.mapPng.c_str());
}

void Station::bindMapGestures() {
    const std::pair<const char*, void (Station::*)()> clicks[] = {
        {"lbl_nz", &Station::lbl_nz_Click},           {"lbl_uk", &Station::lbl_uk_Click},
        {"lbl_mapus", &Station::lbl_mapus_Click},     {"lbl_map", &Station::lbl_map_Click},
        {"lbl_mapping", &Station::lbl_mapping_Click}, {"lbl_mapon", &Station::lbl_mapon_Click},
        {"lbl_mapoff", &Station::lbl_mapoff_Click},   {"lbl_sun_on", &Station::lbl_sun_on_Click},
        {"lbl_sun_off", &Station::lbl_sun_off_Click},
    };
    for (const auto& [name, handler] : clicks)
        panel_.bind(name, Gesture::Click, [this, method = handler](int) { (this->*method)(); });
    // A typed or scripted click carries its map position packed into one number.
    panel_.bind("Picture1", Gesture::MouseDown, [this](int packed) {
        const sky::MapPoint at = sky::unpackMapClick(packed);
        Picture1_MouseDown(at.x, at.y);
    });
}

void Station::addMapStatus() {
    statusLine_.add("map", [this] {
        return std::to_string(static_cast<int>(map_->type)) + (map_->sunShown ? ",sun" : "");
    });
    statusLine_.add("map_sats", [this] { return std::to_string(map_->scene.satellites.size()); });
}

} // namespace orv::station
