#include "ui/config_dialog.h"

#include "core/config_entry_notes.h"
#include "station/station.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace orv::ui {

namespace {

constexpr const char* kMarkedBox = "QLineEdit{border:2px solid #c00000;}";

// Saving and uninstalling end the run: the station throws to leave, the window absorbs it.
template <typename Handler> void endingAllowed(Handler handler) {
    try {
        handler();
    } catch (const station::ProgramEnded&) {
    }
}

QLabel* noteLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setStyleSheet(QStringLiteral("QLabel{color:#505050;}"));
    return label;
}

} // namespace

bool askBeforeDestroying(QWidget* parent, const QString& title, const QString& question) {
    return QMessageBox::question(parent, title, question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

ConfigDialog::ConfigDialog(core::ConfigEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setWindowTitle(QStringLiteral("Main Configuration"));
    confirm = [this](const QString& question) {
        return askBeforeDestroying(this, windowTitle(), question);
    };
    auto* outer = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    auto* inner = new QWidget;
    auto* grid = new QGridLayout(inner);
    const char* const heads[] = {"", "Entry", "Value", "Unit", "Takes"};
    for (int column = 0; column < 5; ++column) {
        auto* head = new QLabel(QString::fromUtf8(heads[column]));
        head->setStyleSheet(QStringLiteral("QLabel{font-weight:bold;}"));
        grid->addWidget(head, 0, column);
    }
    for (int k = 1; k <= core::kConfigEntryCount; ++k) {
        const core::ConfigEntryNote note = core::configEntryNote(k, editor_.variant());
        const int row = 2 * k - 1;
        grid->addWidget(new QLabel(QString::number(k)), row, 0);
        grid->addWidget(new QLabel(QString::fromUtf8(core::ConfigEditor::label(k))), row, 1);
        auto* box = new QLineEdit;
        box->setObjectName(QStringLiteral("Text%1").arg(k));
        connect(box, &QLineEdit::textEdited, this, [this, k](const QString& text) {
            editor_.text(k) = text.toStdString();
            showMark(k);
        });
        grid->addWidget(box, row, 2);
        grid->addWidget(noteLabel(QString::fromUtf8(note.unit)), row, 3);
        grid->addWidget(noteLabel(QString::fromUtf8(note.accepted)), row, 4);
        auto* mark = new QLabel;
        mark->setObjectName(QStringLiteral("Mark%1").arg(k));
        mark->setStyleSheet(QStringLiteral("QLabel{color:#c00000;}"));
        mark->hide();
        grid->addWidget(mark, row + 1, 2, 1, 3);
        boxes_[k - 1] = box;
        marks_[k - 1] = mark;
    }
    grid->setColumnStretch(4, 1);
    scroll->setWidget(inner);
    scroll->setWidgetResizable(true);
    outer->addWidget(scroll);

    const auto button = [this](const char* caption, auto handler) {
        auto* made = new QPushButton(QString::fromUtf8(caption));
        connect(made, &QPushButton::clicked, this, [handler] { endingAllowed(handler); });
        return made;
    };
    auto* row = new QHBoxLayout;
    row->addWidget(button("Edit File", [this] { editor_.edit_Click(); }));
    row->addWidget(button("Exit without Saving", [this] { editor_.Command2_Click(); }));
    row->addStretch(1);
    auto* save = button("Save Edit and Reset Prgm ", [this] { editor_.exit_Click(); });
    save->setDefault(true);
    row->addWidget(save);
    outer->addLayout(row);

    // The one button that loses the stored configuration, away from the others.
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    outer->addWidget(line);
    auto* danger = new QHBoxLayout;
    auto* uninstall = button("Uninstall configuration file.", [this] {
        if (confirm(QStringLiteral("Delete the stored configuration of this variant and end the "
                                   "program? The next start writes the defaults.")))
            editor_.Command1_Click();
    });
    uninstall->setObjectName(QStringLiteral("Command1"));
    uninstall->setAutoDefault(false);
    uninstall->setStyleSheet(QStringLiteral("QPushButton{color:#c00000;}"));
    danger->addWidget(uninstall);
    danger->addStretch(1);
    outer->addLayout(danger);
    resize(820, 660);

    editor_.onChange = [this] { refresh(); };
}

void ConfigDialog::showMark(int k) {
    const std::string problem = core::conversionProblem(k, editor_.text(k), editor_.variant());
    QLabel* mark = marks_[size_t(k - 1)];
    mark->setText(problem.empty() ? QString()
                                  : QStringLiteral("▲ ") + QString::fromStdString(problem));
    mark->setVisible(!problem.empty());
    boxes_[size_t(k - 1)]->setStyleSheet(problem.empty() ? QString()
                                                         : QString::fromLatin1(kMarkedBox));
}

QString ConfigDialog::markOf(int k) const {
    return marks_[size_t(k - 1)]->text();
}

void ConfigDialog::refresh() {
    for (int k = 1; k <= core::kConfigEntryCount; ++k) {
        const QString text = QString::fromStdString(editor_.text(k));
        if (boxes_[size_t(k - 1)]->text() != text) boxes_[size_t(k - 1)]->setText(text);
        showMark(k);
    }
    if (!editor_.isOpen() && isVisible()) hide();
}

void ConfigDialog::closeEvent(QCloseEvent* event) {
    // Closing the window leaves without saving.
    if (editor_.isOpen()) editor_.Command2_Click();
    event->accept();
}

} // namespace orv::ui
