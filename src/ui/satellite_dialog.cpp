#include "ui/satellite_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv::ui {

namespace {

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

SatelliteDialog::SatelliteDialog(core::SatelliteEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setWindowTitle(QStringLiteral("Satellite Data Base"));
    auto* outer = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    for (int k = 1; k <= core::kSatelliteFieldCount; ++k) {
        labels_[k - 1] = new QLabel(QString::fromUtf8(core::SatelliteEditor::label(k)));
        auto* box = new QLineEdit;
        box->setObjectName(QStringLiteral("Text%1").arg(k));
        connect(box, &QLineEdit::textEdited, this,
                [this, k](const QString& text) { editor_.text(k) = text.toStdString(); });
        grid->addWidget(labels_[k - 1], k - 1, 0);
        grid->addWidget(box, k - 1, 1);
        boxes_[k - 1] = box;
    }
    outer->addLayout(grid);

    auto* buttons = new QGridLayout;
    int index = 0;
    const auto addButton = [&](const char* caption, auto handler) {
        auto* button = new QPushButton(QString::fromUtf8(caption));
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button, index / 2, index % 2);
        ++index;
        return button;
    };
    addButton("Edit File", [this] { editor_.edit_Click(); });
    save_ = addButton("Save/Refresh  Entries", [this] { editor_.save_Click(); });
    addButton("Make  New Digital Satellite File", [this] { editor_.standard_Click(); });
    addButton("Make New Analog Satellite File", [this] { editor_.ao40_Click(); });
    addButton("Delete this Satellite", [this] { editor_.delete_Click(); });
    addButton("Exit without Saving", [this] { editor_.exit_Click(); });
    addButton("Unistall Satellite Data Base", [this] { editor_.Command1_Click(); });
    outer->addLayout(buttons);
    help_ = new ClickLabel([this] { editor_.lbl_help_Click(); });
    outer->addWidget(help_);

    editor_.onChange = [this] { refresh(); };
}

void SatelliteDialog::refresh() {
    for (int k = 1; k <= core::kSatelliteFieldCount; ++k) {
        const QString text = QString::fromStdString(editor_.text(k));
        if (boxes_[k - 1]->text() != text) boxes_[k - 1]->setText(text);
    }
    boxes_[2]->setVisible(editor_.uplinkFrequencyVisible());
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
