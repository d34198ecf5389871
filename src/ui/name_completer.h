// Completion in the window's satellite-name box: while a name is typed, a list of the
// names it may be (the satellite list and the element sets, see core/name_completion.h)
// drops down; choosing one puts it in the box, and Tab takes the first as the panel's
// Tab gesture does. Enter still selects what the box holds.
#pragma once

#include <QObject>

class QCompleter;
class QLineEdit;
class QStringListModel;

namespace orv::station {
class Station;
} // namespace orv::station

namespace orv::ui {

class NameCompleter final : public QObject {
public:
    NameCompleter(QLineEdit& entry, station::Station& station);
    // The names the list offers for the box's present text.
    QStringList offered() const;
    QCompleter& completer() { return *completer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void offerFor(const QString& typed);
    void take(const QString& name);

    QLineEdit& entry_;
    station::Station& station_;
    QStringListModel* model_ = nullptr;
    QCompleter* completer_ = nullptr;
};

} // namespace orv::ui
