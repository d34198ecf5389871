#include "ui/panel_widgets.h"

#include <QCheckBox>
#include <QColor>
#include <QDial>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStringList>
#include <cstring>

namespace orv::ui {

using core::Gesture;

namespace {

constexpr int kDialPositions = 100;
constexpr int kLargeKnob = 96;
constexpr int kSmallKnob = 52;
constexpr const char* kBaseStyle = "orvBaseStyle";

struct NamedRange {
    const char* name;
    SliderRange range;
};
// The position bars show the box's 10-bit counts; the offsets are degrees either way.
constexpr NamedRange kSliderRanges[] = {
    {"hs_hf", {0, 1023}},
    {"vs_vertical", {0, 1023}},
    {"hs_Azimuth", {-45, 45}},
    {"hs_elevation", {-45, 45}},
};

const char* styleOf(FieldLook look, FieldKind kind) {
    switch (look) {
    case FieldLook::Readout:
        return "QLabel{border:1px solid #8c8c8c;background:#fcfcf6;padding:1px 4px;"
               "font-weight:bold;}";
    case FieldLook::Lamp:
        return "QLabel{border:1px solid #8c8c8c;border-radius:3px;padding:1px 6px;}";
    case FieldLook::Hint:
        return "QLabel{color:#505050;font-style:italic;}";
    case FieldLook::Title:
        return "QLabel{font-size:15pt;font-weight:bold;padding:1px 2px;}";
    case FieldLook::Caption:
        return "QLabel{color:#303030;}";
    case FieldLook::Plain:
        break;
    }
    if (kind == FieldKind::Action)
        return "QLabel{border:1px solid #a8a8a8;border-radius:3px;padding:1px 6px;"
               "background:#e9e9e9;}";
    return "";
}

QWidget* makeCheck(const FieldPlacement& placement, core::Panel& panel) {
    auto* check = new QCheckBox(QString::fromUtf8(placement.caption));
    const std::string name = placement.name;
    QObject::connect(check, &QCheckBox::clicked, check, [&panel, name](bool on) {
        panel.setValue(name, on ? 1 : 0);
        panel.gesture(name, Gesture::Click);
    });
    return check;
}

QWidget* makeEntry(const FieldPlacement& placement, core::Panel& panel) {
    auto* entry = new QLineEdit;
    entry->setPlaceholderText(QStringLiteral("Satellite name"));
    const std::string name = placement.name;
    QObject::connect(entry, &QLineEdit::textEdited, entry, [&panel, name](const QString& text) {
        panel.setCaption(name, text.toStdString());
    });
    QObject::connect(entry, &QLineEdit::returnPressed, entry,
                     [&panel, name] { panel.gesture(name, Gesture::KeyPress, 13); });
    return entry;
}

// A knob reports signed steps turned since its last report, not a position.
QWidget* makeKnob(const FieldPlacement& placement, core::Panel& panel) {
    auto* dial = new QDial;
    dial->setRange(0, kDialPositions - 1);
    dial->setWrapping(true);
    dial->setNotchesVisible(true);
    const int size = std::strcmp(placement.name, "Knob1") == 0 ? kLargeKnob : kSmallKnob;
    dial->setFixedSize(size, size);
    const std::string name = placement.name;
    QObject::connect(dial, &QDial::valueChanged, dial,
                     [&panel, name, last = 0](int position) mutable {
                         const int steps = dialSteps(last, position, kDialPositions);
                         last = position;
                         if (steps == 0) return;
                         panel.setValue(name, steps);
                         panel.gesture(name, Gesture::Change, steps);
                     });
    return dial;
}

QSlider* makeHorizontalSlider(const std::string& name) {
    auto* slider = new QSlider(Qt::Horizontal);
    const SliderRange range = sliderRange(name);
    slider->setRange(range.minimum, range.maximum);
    return slider;
}

QWidget* makeSlider(const FieldPlacement& placement, core::Panel& panel) {
    const std::string name = placement.name;
    QSlider* slider = makeHorizontalSlider(name);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(15);
    QObject::connect(slider, &QAbstractSlider::valueChanged, slider, [&panel, name](int value) {
        panel.setValue(name, value);
        panel.gesture(name, Gesture::Change, value);
    });
    return slider;
}

// A bar only shows where a rotator is; the operator cannot drag it.
QWidget* makeBar(const FieldPlacement& placement) {
    QSlider* bar = makeHorizontalSlider(placement.name);
    bar->setAttribute(Qt::WA_TransparentForMouseEvents);
    bar->setFocusPolicy(Qt::NoFocus);
    return bar;
}

QWidget* makeButton(const FieldPlacement& placement, core::Panel& panel) {
    auto* button = new QPushButton(QString::fromUtf8(placement.caption));
    const std::string name = placement.name;
    QObject::connect(button, &QPushButton::clicked, button,
                     [&panel, name] { panel.gesture(name, Gesture::Click); });
    return button;
}

// The least width that shows `sample` whole in `label` as it is styled.
int widthFor(QLabel* label, const char* sample) {
    const QString before = label->text();
    label->setText(QString::fromUtf8(sample));
    const int width = label->sizeHint().width();
    label->setText(before);
    return width;
}

} // namespace

ActionLabel::ActionLabel(core::Panel& panel, std::string name)
    : panel_(panel), name_(std::move(name)) {
    setCursor(Qt::PointingHandCursor);
}

void ActionLabel::mousePressEvent(QMouseEvent* event) {
    panel_.gesture(name_, Gesture::MouseDown, event->button() == Qt::RightButton ? 2 : 1);
}

// A double-click reports Click (first release) then DblClick; the second release
// must not undo it with another Click.
void ActionLabel::mouseReleaseEvent(QMouseEvent*) {
    if (afterDoubleClick_) {
        afterDoubleClick_ = false;
        return;
    }
    panel_.gesture(name_, Gesture::Click);
}

void ActionLabel::mouseDoubleClickEvent(QMouseEvent*) {
    afterDoubleClick_ = true;
    panel_.gesture(name_, Gesture::DblClick);
}

ScaleLabel::ScaleLabel() {
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    setFont(small);
}

QSize ScaleLabel::minimumSizeHint() const {
    const QStringList words = text().split(' ', Qt::SkipEmptyParts);
    const QFontMetrics metrics(font());
    int width = 0;
    for (const auto& word : words)
        width += metrics.horizontalAdvance(word) + metrics.averageCharWidth();
    return {width, metrics.height()};
}

void ScaleLabel::paintEvent(QPaintEvent*) {
    const QStringList words = text().split(' ', Qt::SkipEmptyParts);
    if (words.isEmpty()) return;
    QPainter painter(this);
    const QFontMetrics metrics(font());
    // The bar's groove stops short of the widget's edges by half a handle.
    const int inset = 6;
    const double span = width() - 2 * inset;
    for (qsizetype k = 0; k < words.size(); ++k) {
        const double x = words.size() == 1 ? width() / 2.0
                                           : inset + span * static_cast<double>(k) /
                                                         static_cast<double>(words.size() - 1);
        const int half = metrics.horizontalAdvance(words[k]) / 2;
        const int left = std::clamp(static_cast<int>(x) - half, 0, width() - 2 * half);
        painter.drawText(left, metrics.ascent(), words[k]);
    }
}

SliderRange sliderRange(const std::string& name) {
    for (const auto& entry : kSliderRanges)
        if (name == entry.name) return entry.range;
    return {-45, 45};
}

QWidget* makeFieldWidget(const FieldPlacement& placement, core::Panel& panel) {
    switch (placement.kind) {
    case FieldKind::Label:
        return new QLabel;
    case FieldKind::Action:
        return new ActionLabel(panel, placement.name);
    case FieldKind::Scale:
        return new ScaleLabel;
    case FieldKind::Check:
        return makeCheck(placement, panel);
    case FieldKind::Entry:
        return makeEntry(placement, panel);
    case FieldKind::Knob:
        return makeKnob(placement, panel);
    case FieldKind::Slider:
        return makeSlider(placement, panel);
    case FieldKind::Bar:
        return makeBar(placement);
    case FieldKind::Button:
        return makeButton(placement, panel);
    }
    return new QLabel;
}

void applyLook(QWidget* widget, const FieldPlacement& placement) {
    widget->setObjectName(QString::fromUtf8(placement.name));
    if (*placement.hint) widget->setToolTip(QString::fromUtf8(placement.hint));
    // A hidden field keeps its place, so nothing around it moves.
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    auto* label = qobject_cast<QLabel*>(widget);
    if (!label || placement.kind == FieldKind::Scale) return;
    const QString style = QString::fromUtf8(styleOf(placement.look, placement.kind));
    label->setProperty(kBaseStyle, style);
    label->setStyleSheet(style);
    switch (placement.look) {
    case FieldLook::Readout:
        label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case FieldLook::Lamp:
        label->setAlignment(Qt::AlignCenter);
        break;
    case FieldLook::Hint: {
        QFont small = label->font();
        small.setPointSizeF(small.pointSizeF() * 0.9);
        label->setFont(small);
        label->setWordWrap(true);
        label->setMinimumHeight(label->fontMetrics().lineSpacing() * placement.lines + 2);
        break;
    }
    case FieldLook::Caption:
    case FieldLook::Title:
    case FieldLook::Plain:
        break;
    }
    if (placement.kind == FieldKind::Action && placement.look != FieldLook::Caption)
        label->setAlignment(Qt::AlignCenter);
    label->ensurePolished();
    // A wrapping hint is made as wide as its sample, which one line then holds whole.
    const char* sample = *placement.sample ? placement.sample : placement.caption;
    if (!*sample) return;
    if (label->wordWrap()) {
        if (*placement.sample)
            label->setMinimumWidth(label->fontMetrics().horizontalAdvance(sample) + 4);
    } else {
        label->setMinimumWidth(widthFor(label, sample));
    }
}

namespace {
// How light a colour (0x00BBGGRR) looks, 0 black to 1 white.
double luminance(int bgr) {
    return (0.299 * (bgr & 0xFF) + 0.587 * ((bgr >> 8) & 0xFF) + 0.114 * ((bgr >> 16) & 0xFF)) /
           255.0;
}
} // namespace

QString colourStyle(const core::PanelField& field) {
    QString style;
    const auto rgb = [](int bgr) {
        return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF).name();
    };
    if (field.backColor >= 0) style += "background-color:" + rgb(field.backColor) + ";";
    if (field.foreColor >= 0) {
        style += "color:" + rgb(field.foreColor) + ";";
    } else if (field.backColor >= 0 && luminance(field.backColor) < 0.5) {
        style += "color:#ffffff;"; // black words on a dark lamp cannot be read
    }
    return style;
}

int dialSteps(int from, int to, int positions) {
    int steps = (to - from) % positions;
    if (steps > positions / 2) steps -= positions;
    if (steps < -positions / 2) steps += positions;
    return steps;
}

} // namespace orv::ui
