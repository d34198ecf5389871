#include "core/panel.h"

namespace orv::core {

const PanelField& Panel::field(std::string_view name) const {
    auto it = fields_.find(name);
    if (it == fields_.end()) it = fields_.emplace(std::string(name), PanelField{}).first;
    return it->second;
}

PanelField& Panel::mutableField(std::string_view name) {
    return const_cast<PanelField&>(field(name));
}

void Panel::changed(std::string_view name, const PanelField& changedField) {
    if (listeners_.empty()) return;
    const std::string key(name);
    for (const auto& listener : listeners_)
        listener(key, changedField);
}

void Panel::setCaption(std::string_view name, std::string_view caption) {
    auto& f = mutableField(name);
    if (f.caption == caption) return;
    f.caption.assign(caption);
    changed(name, f);
}

void Panel::setVisible(std::string_view name, bool visible) {
    assign(name, &PanelField::visible, visible);
}

void Panel::setEnabled(std::string_view name, bool enabled) {
    assign(name, &PanelField::enabled, enabled);
}

void Panel::setBackColor(std::string_view name, int colour) {
    assign(name, &PanelField::backColor, colour);
}

void Panel::setForeColor(std::string_view name, int colour) {
    assign(name, &PanelField::foreColor, colour);
}

void Panel::setValue(std::string_view name, double value) {
    assign(name, &PanelField::value, value);
}

std::vector<std::string> Panel::fieldNames() const {
    std::vector<std::string> names;
    names.reserve(fields_.size());
    for (const auto& [name, unused] : fields_)
        names.push_back(name);
    return names;
}

void Panel::bind(std::string_view name, Gesture gesture, Handler handler) {
    if (wrapper_) {
        handler = [wrapper = wrapper_, inner = std::move(handler)](int argument) {
            wrapper(inner, argument);
        };
    }
    handlers_[{std::string(name), gesture}] = std::move(handler);
}

bool Panel::hasHandler(std::string_view name, Gesture gesture) const {
    return handlers_.count({std::string(name), gesture}) > 0;
}

bool Panel::exists(std::string_view name) const {
    if (fields_.find(name) != fields_.end()) return true;
    const auto it = handlers_.lower_bound({std::string(name), Gesture::Click});
    return it != handlers_.end() && it->first.first == name;
}

std::vector<std::pair<std::string, Gesture>> Panel::bindings() const {
    std::vector<std::pair<std::string, Gesture>> bound;
    bound.reserve(handlers_.size());
    for (const auto& [key, unused] : handlers_)
        bound.push_back(key);
    return bound;
}

bool Panel::gesture(std::string_view name, Gesture gesture, int argument) {
    const auto it = handlers_.find({std::string(name), gesture});
    if (it == handlers_.end()) return false;
    const Handler handler = it->second; // a handler may rebind itself
    handler(argument);
    return true;
}

} // namespace orv::core
