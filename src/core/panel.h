// The operator panel as a model: named fields with caption, colours, visibility
// and value, and the gesture handlers bound to them. Views mirror it; routines
// write into it, never into widgets.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace orv::core {

// Colour values as the panel stores them: 0x00BBGGRR.
namespace colour {
inline constexpr int kDefault = -1;
inline constexpr int kRed = 0x0000FF;
inline constexpr int kGreen = 0x00FF00;
inline constexpr int kNavy = 0x800000;
inline constexpr int kBlack = 0x000000;
inline constexpr int kWhite = 0xFFFFFF;
inline constexpr int kYellow = 0x00FFFF;
inline constexpr int kLightRed = 0x8080FF;
} // namespace colour

struct PanelField {
    std::string caption; // label caption, entry text, image name
    int backColor = colour::kDefault;
    int foreColor = colour::kDefault;
    bool visible = true;
    bool enabled = true;
    double value = 0; // check boxes, sliders, knobs
};

enum class Gesture { Click, DblClick, MouseDown, KeyPress, Change };

class Panel {
public:
    using Listener = std::function<void(const std::string& name, const PanelField& field)>;
    using Handler = std::function<void(int argument)>;

    // Fields spring into existence on first use, with the defaults above.
    const PanelField& field(std::string_view name) const;
    const std::string& caption(std::string_view name) const { return field(name).caption; }
    bool visible(std::string_view name) const { return field(name).visible; }
    double value(std::string_view name) const { return field(name).value; }

    void setCaption(std::string_view name, std::string_view caption);
    void setVisible(std::string_view name, bool visible);
    void setEnabled(std::string_view name, bool enabled);
    void setBackColor(std::string_view name, int colour);
    void setForeColor(std::string_view name, int colour);
    void setValue(std::string_view name, double value);

    // Called after every actual change of a field.
    void subscribe(Listener listener) { listeners_.push_back(std::move(listener)); }
    std::vector<std::string> fieldNames() const;

    // Gestures: a view reports one; the handler bound to it runs (false when none is).
    void bind(std::string_view name, Gesture gesture, Handler handler);
    bool hasHandler(std::string_view name, Gesture gesture) const;
    // True when the field has been written or has a handler (looking does not create it).
    bool exists(std::string_view name) const;
    // Every field and gesture with a handler, by field name.
    std::vector<std::pair<std::string, Gesture>> bindings() const;
    bool gesture(std::string_view name, Gesture gesture, int argument = 0);
    // Wraps every handler bound from now on (the station installs its error trap here).
    void setHandlerWrapper(std::function<void(const Handler&, int)> wrapper) {
        wrapper_ = std::move(wrapper);
    }

private:
    PanelField& mutableField(std::string_view name);
    // Sets one member of a field, telling the listeners only when it changed.
    template <typename T> void assign(std::string_view name, T PanelField::*member, T value) {
        auto& f = mutableField(name);
        if (f.*member == value) return;
        f.*member = value;
        changed(name, f);
    }
    void changed(std::string_view name, const PanelField& field);

    mutable std::map<std::string, PanelField, std::less<>> fields_;
    std::map<std::pair<std::string, Gesture>, Handler> handlers_;
    std::vector<Listener> listeners_;
    std::function<void(const Handler&, int)> wrapper_;
};

} // namespace orv::core
