#include "ui/sky_dialogs.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv::ui {

namespace {

// A box whose edits go straight into the model's text.
template <typename Editor>
QLineEdit* editorBox(QWidget* owner, Editor& editor, int k, const QString& objectName) {
    auto* box = new QLineEdit(owner);
    box->setObjectName(objectName);
    box->setMaximumWidth(80);
    QObject::connect(box, &QLineEdit::textEdited, owner,
                     [&editor, k](const QString& text) { editor.text(k) = text.toStdString(); });
    return box;
}

void showText(QLineEdit* box, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (box->text() != value) box->setText(value);
}

template <typename Handler>
QPushButton* button(QWidget* owner, const char* caption, const QString& objectName,
                    Handler handler) {
    auto* b = new QPushButton(QString::fromUtf8(caption), owner);
    b->setObjectName(objectName);
    QObject::connect(b, &QPushButton::clicked, owner, handler);
    return b;
}

} // namespace

HorizonDialog::HorizonDialog(core::HorizonEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setWindowTitle(QString::fromUtf8(core::HorizonEditor::kTitle));
    auto* outer = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    constexpr int kColumns = 4; // pairs of label and box
    for (int s = 1; s <= core::kHorizonSegments; ++s) {
        const int row = (s - 1) / kColumns, column = 2 * ((s - 1) % kColumns);
        grid->addWidget(new QLabel(QString::fromStdString(core::HorizonEditor::label(s))), row,
                        column);
        boxes_[size_t(s - 1)] = editorBox(this, editor_, s, QStringLiteral("Text%1").arg(s));
        grid->addWidget(boxes_[size_t(s - 1)], row, column + 1);
    }
    outer->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button(this, core::HorizonEditor::kSaveCaption, "Command1",
                              [this] { editor_.Command1_Click(); }));
    buttons->addWidget(button(this, core::HorizonEditor::kHelpCaption, "Command2",
                              [this] { editor_.Command2_Click(); }));
    outer->addLayout(buttons);
    editor_.onChange = [this] { refresh(); };
}

void HorizonDialog::refresh() {
    for (int s = 1; s <= core::kHorizonSegments; ++s)
        showText(boxes_[size_t(s - 1)], editor_.text(s));
    if (!editor_.isOpen() && isVisible()) hide();
}

void HorizonDialog::closeEvent(QCloseEvent* event) {
    if (editor_.isOpen()) editor_.close();
    event->accept();
}

PriorityDialog::PriorityDialog(core::PriorityEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setWindowTitle(QString::fromUtf8(core::PriorityEditor::kTitle));
    auto* outer = new QVBoxLayout(this);
    rows_ = new QGridLayout;
    outer->addLayout(rows_);
    outer->addWidget(new QLabel(QString::fromUtf8(core::PriorityEditor::kHint)));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button(this, core::PriorityEditor::kStartCaption, "Command1",
                              [this] { editor_.Command1_Click(); }));
    buttons->addWidget(button(this, core::PriorityEditor::kHelpCaption, "Command2",
                              [this] { editor_.Command2_Click(); }));
    buttons->addWidget(button(this, core::PriorityEditor::kExitCaption, "Command3",
                              [this] { editor_.Command3_Click(); }));
    outer->addLayout(buttons);
    editor_.onChange = [this] { refresh(); };
}

void PriorityDialog::refresh() {
    while (int(boxes_.size()) < editor_.rows()) {
        const int k = int(boxes_.size()) + 1;
        names_.push_back(new QLabel(this));
        boxes_.push_back(editorBox(this, editor_, k, QStringLiteral("Text%1").arg(k)));
        rows_->addWidget(names_.back(), k - 1, 0);
        rows_->addWidget(boxes_.back(), k - 1, 1);
    }
    for (size_t i = 0; i < boxes_.size(); ++i) {
        const bool used = int(i) < editor_.rows();
        names_[i]->setVisible(used);
        boxes_[i]->setVisible(used);
        if (!used) continue;
        names_[i]->setText(QString::fromStdString(editor_.name(int(i) + 1)));
        showText(boxes_[i], editor_.text(int(i) + 1));
    }
    if (!editor_.isOpen() && isVisible()) hide();
}

void PriorityDialog::closeEvent(QCloseEvent* event) {
    if (editor_.isOpen()) editor_.Command3_Click();
    event->accept();
}

ScheduleDialog::ScheduleDialog(core::ScheduleEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setWindowTitle(QString::fromUtf8(core::ScheduleEditor::kTitle));
    auto* outer = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    for (int k = 1; k <= core::kScheduleKeys; ++k)
        boxes_[size_t(k - 1)] = editorBox(this, editor_, k, QStringLiteral("Text%1").arg(k));
    boxes_[0]->setMaximumWidth(200);
    grid->addWidget(new QLabel(QStringLiteral("Satellite")), 0, 0);
    grid->addWidget(boxes_[0], 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("First MA")), 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Last MA")), 1, 2);
    for (int row = 1; row <= core::kScheduleRows; ++row) {
        grid->addWidget(new QLabel(QString::fromStdString(core::ScheduleEditor::rowLabel(row))),
                        row + 1, 0);
        if (row >= 2) grid->addWidget(boxes_[size_t(row - 1)], row + 1, 1);
        grid->addWidget(boxes_[size_t(row + 5)], row + 1, 2);
    }
    grid->addWidget(new QLabel(QStringLiteral("ALON")), 8, 0);
    grid->addWidget(boxes_[12], 8, 1);
    grid->addWidget(new QLabel(QStringLiteral("ALAT")), 9, 0);
    grid->addWidget(boxes_[13], 9, 1);
    outer->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button(this, core::ScheduleEditor::kSaveCaption, "Command1",
                              [this] { editor_.Command1_Click(); }));
    buttons->addWidget(button(this, core::ScheduleEditor::kHelpCaption, "Command2",
                              [this] { editor_.Command2_Click(); }));
    buttons->addWidget(button(this, core::ScheduleEditor::kDefaultCaption, "Command3",
                              [this] { editor_.Command3_Click(); }));
    buttons->addWidget(button(this, core::ScheduleEditor::kExitCaption, "Command4",
                              [this] { editor_.Command4_Click(); }));
    outer->addLayout(buttons);
    editor_.onChange = [this] { refresh(); };
}

void ScheduleDialog::refresh() {
    for (int k = 1; k <= core::kScheduleKeys; ++k)
        showText(boxes_[size_t(k - 1)], editor_.text(k));
    if (!editor_.isOpen() && isVisible()) hide();
}

void ScheduleDialog::closeEvent(QCloseEvent* event) {
    if (editor_.isOpen()) editor_.Command4_Click();
    event->accept();
}

} // namespace orv::ui
