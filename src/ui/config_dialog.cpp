#include "ui/config_dialog.h"

#include "station/station.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace orv::ui {

ConfigDialog::ConfigDialog(core::ConfigEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setWindowTitle(QStringLiteral("Main Configuration"));
    auto* outer = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    auto* inner = new QWidget;
    auto* grid = new QGridLayout(inner);
    for (int k = 1; k <= core::kConfigEntryCount; ++k) {
        grid->addWidget(new QLabel(QString::number(k)), k - 1, 0);
        grid->addWidget(new QLabel(QString::fromUtf8(core::ConfigEditor::label(k))), k - 1, 1);
        auto* box = new QLineEdit;
        box->setObjectName(QStringLiteral("Text%1").arg(k));
        connect(box, &QLineEdit::textEdited, this,
                [this, k](const QString& text) { editor_.text(k) = text.toStdString(); });
        grid->addWidget(box, k - 1, 2);
        boxes_[k - 1] = box;
    }
    scroll->setWidget(inner);
    scroll->setWidgetResizable(true);
    outer->addWidget(scroll);

    auto* buttons = new QGridLayout;
    const auto addButton = [&](const char* caption, int row, int column, auto handler) {
        auto* button = new QPushButton(QString::fromUtf8(caption));
        connect(button, &QPushButton::clicked, this, [handler] {
            try {
                handler();
            } catch (const station::ProgramEnded&) {
                // saving or uninstalling ends the run
            }
        });
        buttons->addWidget(button, row, column);
    };
    addButton("Edit File", 0, 0, [this] { editor_.edit_Click(); });
    addButton("Save Edit and Reset Prgm ", 0, 1, [this] { editor_.exit_Click(); });
    addButton("Exit without Saving", 1, 0, [this] { editor_.Command2_Click(); });
    addButton("Uninstall configuration file.", 1, 1, [this] { editor_.Command1_Click(); });
    outer->addLayout(buttons);
    resize(560, 640);

    editor_.onChange = [this] { refresh(); };
}

void ConfigDialog::refresh() {
    for (int k = 1; k <= core::kConfigEntryCount; ++k) {
        const QString text = QString::fromStdString(editor_.text(k));
        if (boxes_[k - 1]->text() != text) boxes_[k - 1]->setText(text);
    }
    if (!editor_.isOpen() && isVisible()) hide();
}

void ConfigDialog::closeEvent(QCloseEvent* event) {
    // Closing the window leaves without saving.
    if (editor_.isOpen()) editor_.Command2_Click();
    event->accept();
}

} // namespace orv::ui
