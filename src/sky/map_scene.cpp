#include "sky/map_scene.h"

namespace orv::sky {

const char* mapMarkWord(MapMark mark) {
    switch (mark) {
    case MapMark::Obscured:
        return "obscured";
    case MapMark::Selected:
        return "selected";
    case MapMark::Visible:
        break;
    }
    return "visible";
}

} // namespace orv::sky
