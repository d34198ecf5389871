#include "ui/satellite_dialog.h"

#include "radio/mode_choices.h"
#include "radio/radio_model.h"
#include "ui/config_dialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv::ui {

namespace {

// The boxes shown as choice lists, and what each offers.
enum class Choice { None, UplinkRadio, DownlinkRadio, Port, Baud, UplinkMode, DownlinkMode };

struct BoxChoice {
    int key;
    Choice choice;
};
constexpr BoxChoice kChoices[] = {
    {4, Choice::UplinkMode},    {7, Choice::UplinkRadio},    {8, Choice::Port},  {9, Choice::Baud},
    {15, Choice::DownlinkMode}, {18, Choice::DownlinkRadio}, {19, Choice::Port}, {20, Choice::Baud},
};
constexpr const char* kPorts[] = {"1", "2", "3", "4"};
constexpr const char* kBauds[] = {"1200", "4800", "9600", "19200", "38400", "57600", "115200"};
constexpr int kUplinkRadioKey = 7, kDownlinkRadioKey = 18, kUplinkModeKey = 4,
              kDownlinkModeKey = 15;

Choice choiceOf(int key) {
    for (const auto& row : kChoices)
        if (row.key == key) return row.choice;
    return Choice::None;
}

// Each item shows words and keeps the text the box stores as its data.
void addRadios(QComboBox& list, bool uplink) {
    list.addItem(QStringLiteral("0  (no radio)"), QStringLiteral("0"));
    for (const auto& model : radio::radioModels()) {
        if (model.family == radio::RadioFamily::None) continue;
        if (uplink ? !model.uplink : !model.downlink) continue;
        list.addItem(QStringLiteral("%1  %2").arg(model.number).arg(QString::fromUtf8(model.name)),
                     QString::number(model.number));
    }
}

void addTexts(QComboBox& list, std::initializer_list<const char*> texts) {
    for (const char* text : texts)
        list.addItem(QString::fromUtf8(text), QString::fromUtf8(text));
}

// Shows `text` as the list's choice; a stored text the list does not offer is kept and
// shown as it stands, so opening and saving never changes it.
void choose(QComboBox& list, const QString& text) {
    if (list.isEditable()) {
        if (list.currentText() != text) list.setEditText(text);
        return;
    }
    int index = list.findData(text);
    if (index < 0) {
        const int stray = list.findData(QStringLiteral("stray"), Qt::UserRole + 1);
        if (stray >= 0) list.removeItem(stray);
        list.insertItem(0, text + QStringLiteral("  (not in the list)"), text);
        list.setItemData(0, QStringLiteral("stray"), Qt::UserRole + 1);
        index = 0;
    }
    if (list.currentIndex() != index) list.setCurrentIndex(index);
}

class ClickLabel final : public QLabel {
public:
    explicit ClickLabel(std::function<void()> onClick) : onClick_(std::move(onClick)) {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent*) override { onClick_(); }

private:
    std::function<void()> onClick_;
};

QDialog* makeNotesWindow(QWidget* parent) {
    auto* notes = new QDialog(parent);
    notes->setWindowTitle(QString::fromUtf8(core::radioNotesTitle()));
    auto* layout = new QVBoxLayout(notes);
    auto* text = new QPlainTextEdit(QString::fromUtf8(core::radioNotesText()));
    text->setReadOnly(true);
    text->setFont(QFont(QStringLiteral("monospace")));
    layout->addWidget(text);
    notes->resize(560, 320);
    return notes;
}

} // namespace

QWidget* SatelliteDialog::makeBox(int k) {
    const Choice choice = choiceOf(k);
    if (choice == Choice::None) {
        auto* line = new QLineEdit;
        connect(line, &QLineEdit::textEdited, this,
                [this, k](const QString& text) { editor_.text(k) = text.toStdString(); });
        return line;
    }
    auto* list = new QComboBox;
    const bool mode = choice == Choice::UplinkMode || choice == Choice::DownlinkMode;
    list->setEditable(mode); // a mode may be any text the radio takes
    if (choice == Choice::UplinkRadio || choice == Choice::DownlinkRadio)
        addRadios(*list, choice == Choice::UplinkRadio);
    else if (choice == Choice::Port)
        addTexts(*list, {kPorts[0], kPorts[1], kPorts[2], kPorts[3]});
    else if (choice == Choice::Baud)
        for (const char* baud : kBauds)
            list->addItem(QString::fromUtf8(baud), QString::fromUtf8(baud));
    if (mode) {
        connect(list, &QComboBox::editTextChanged, this,
                [this, k](const QString& text) { editor_.text(k) = text.toStdString(); });
    } else {
        connect(list, &QComboBox::activated, this, [this, k, list](int index) {
            editor_.text(k) = list->itemData(index).toString().toStdString();
            if (k == kUplinkRadioKey) offerModes(kUplinkModeKey, kUplinkRadioKey);
            if (k == kDownlinkRadioKey) offerModes(kDownlinkModeKey, kDownlinkRadioKey);
        });
    }
    return list;
}

SatelliteDialog::SatelliteDialog(core::SatelliteEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setWindowTitle(QStringLiteral("Satellite Data Base"));
    confirm = [this](const QString& question) {
        return askBeforeDestroying(this, windowTitle(), question);
    };
    auto* outer = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    for (int k = 1; k <= core::kSatelliteFieldCount; ++k) {
        labels_[size_t(k - 1)] = new QLabel(QString::fromUtf8(core::SatelliteEditor::label(k)));
        QWidget* widget = makeBox(k);
        widget->setObjectName(QStringLiteral("Text%1").arg(k));
        grid->addWidget(labels_[size_t(k - 1)], k - 1, 0);
        grid->addWidget(widget, k - 1, 1);
        boxes_[size_t(k - 1)] = widget;
    }
    outer->addLayout(grid);

    const auto button = [this](const char* caption, auto handler) {
        auto* made = new QPushButton(QString::fromUtf8(caption));
        made->setAutoDefault(false);
        connect(made, &QPushButton::clicked, this, handler);
        return made;
    };
    auto* templates = new QHBoxLayout;
    templates->addWidget(button("Edit File", [this] { editor_.edit_Click(); }));
    templates->addWidget(
        button("Make  New Digital Satellite File", [this] { editor_.standard_Click(); }));
    templates->addWidget(
        button("Make New Analog Satellite File", [this] { editor_.ao40_Click(); }));
    outer->addLayout(templates);
    auto* finish = new QHBoxLayout;
    finish->addWidget(button("Exit without Saving", [this] { editor_.exit_Click(); }));
    finish->addStretch(1);
    save_ = button("Save/Refresh  Entries", [this] { editor_.save_Click(); });
    finish->addWidget(save_);
    outer->addLayout(finish);
    help_ = new ClickLabel([this] { editor_.lbl_help_Click(); });
    outer->addWidget(help_);

    // What loses stored records, away from saving and asked about first.
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    outer->addWidget(line);
    auto* danger = new QHBoxLayout;
    auto* remove = button("Delete this Satellite", [this] {
        const QString name = QString::fromStdString(editor_.text(1)).toUpper();
        if (confirm(
                QStringLiteral("Delete the record of %1 from the satellite data base?").arg(name)))
            editor_.delete_Click();
    });
    auto* uninstall = button("Unistall Satellite Data Base", [this] {
        if (confirm(QStringLiteral("Delete the records of every satellite in the data base? "
                                   "The list of names stays.")))
            editor_.Command1_Click();
    });
    for (QPushButton* destructive : {remove, uninstall}) {
        destructive->setStyleSheet(QStringLiteral("QPushButton{color:#c00000;}"));
        danger->addWidget(destructive);
    }
    danger->addStretch(1);
    outer->addLayout(danger);

    editor_.onChange = [this] { refresh(); };
}

// The mode list of a link offers what the link's chosen radio takes.
void SatelliteDialog::offerModes(int modeKey, int radioKey) {
    auto* list = static_cast<QComboBox*>(box(modeKey));
    const QString text = QString::fromStdString(editor_.text(modeKey));
    const auto& model = radio::radioModel(std::atoi(editor_.text(radioKey).c_str()));
    const QSignalBlocker quiet(list);
    list->clear();
    for (const auto mode : radio::modeChoices(model.family))
        list->addItem(QString::fromUtf8(mode.data(), qsizetype(mode.size())));
    list->setEditText(text);
}

void SatelliteDialog::showBox(int k) {
    const QString text = QString::fromStdString(editor_.text(k));
    if (auto* line = qobject_cast<QLineEdit*>(box(k))) {
        if (line->text() != text) line->setText(text);
        return;
    }
    auto* list = static_cast<QComboBox*>(box(k));
    const QSignalBlocker quiet(list);
    choose(*list, text);
}

void SatelliteDialog::refresh() {
    for (int k = 1; k <= core::kSatelliteFieldCount; ++k)
        showBox(k);
    offerModes(kUplinkModeKey, kUplinkRadioKey);
    offerModes(kDownlinkModeKey, kDownlinkRadioKey);
    box(3)->setVisible(editor_.uplinkFrequencyVisible());
    labels_[2]->setVisible(editor_.uplinkFrequencyVisible());
    save_->setText(QString::fromStdString(editor_.saveCaption()));
    help_->setText(QString::fromStdString(editor_.helpCaption()));
    if (editor_.radioNotesOpen()) {
        if (!notes_) notes_ = makeNotesWindow(this);
        notes_->show();
        editor_.closeRadioNotes();
    }
    if (!editor_.isOpen() && isVisible()) hide();
}

void SatelliteDialog::closeEvent(QCloseEvent* event) {
    if (editor_.isOpen()) editor_.exit_Click();
    event->accept();
}

} // namespace orv::ui
