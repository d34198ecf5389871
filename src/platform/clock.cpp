#include "platform/clock.h"

namespace orv::platform {

SimulatedClock::SimulatedClock(QDateTime start, double rate)
    : start_(std::move(start)), rate_(rate) {
    elapsed_.start();
}

QDateTime SimulatedClock::now() const {
    const auto realMs = static_cast<double>(elapsed_.elapsed());
    return start_.addMSecs(static_cast<qint64>(realMs * rate_));
}

QDateTime parseLocalInstant(const QString& text) {
    const QString trimmed = text.trimmed();
    for (const char* format :
         {"yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-ddTHH:mm:ss"}) {
        QDateTime instant = QDateTime::fromString(trimmed, QString::fromLatin1(format));
        if (instant.isValid()) {
            instant.setTimeSpec(Qt::LocalTime);
            return instant;
        }
    }
    return {};
}

} // namespace orv::platform
