#include "ui/name_completer.h"

#include "core/name_completion.h"
#include "station/selectable_names.h"
#include "station/station.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringListModel>

namespace orv::ui {

namespace {
constexpr int kTabKey = 9;
} // namespace

NameCompleter::NameCompleter(QLineEdit& entry, station::Station& station)
    : QObject(&entry), entry_(entry), station_(station) {
    model_ = new QStringListModel(this);
    completer_ = new QCompleter(model_, this);
    // The list is already the completion, ordered: shown as it is.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    entry_.setCompleter(completer_);
    connect(&entry_, &QLineEdit::textEdited, this, [this](const QString& text) { offerFor(text); });
    // A name picked from the list (or moved onto with the arrows) is what Enter selects.
    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& name) { take(name); });
    connect(completer_, qOverload<const QString&>(&QCompleter::highlighted), this,
            [this](const QString& name) { take(name); });
    entry_.installEventFilter(this);
    completer_->popup()->installEventFilter(this);
}

QStringList NameCompleter::offered() const {
    return model_->stringList();
}

void NameCompleter::offerFor(const QString& typed) {
    const auto names =
        core::completeName(typed.toStdString(), station::selectableNames(station_.satelliteDb(),
                                                                         station_.elementStore()));
    QStringList list;
    for (const auto& name : names)
        list << QString::fromStdString(name);
    model_->setStringList(list);
    if (list.isEmpty()) {
        completer_->popup()->hide();
        return;
    }
    completer_->complete();
    // Nothing is chosen until the operator moves onto a name: Enter selects the typed text.
    completer_->popup()->setCurrentIndex(QModelIndex());
}

void NameCompleter::take(const QString& name) {
    station_.panel().setCaption("txt_entre", name.toStdString());
}

// Tab in the box (or in the open list) completes through the panel, as a typed gesture
// does, instead of moving the focus on.
bool NameCompleter::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Tab) return false;
    const QModelIndex current = completer_->popup()->currentIndex();
    completer_->popup()->hide();
    if (current.isValid())
        take(current.data().toString());
    else
        station_.panel().gesture("txt_entre", core::Gesture::KeyPress, kTabKey);
    return true;
}

} // namespace orv::ui
