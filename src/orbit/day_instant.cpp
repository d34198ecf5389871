#include "orbit/day_instant.h"

#include "orbit/time_routines.h"

#include <QTimeZone>
#include <cmath>

namespace orv::orbit {

namespace {
const QDateTime& dayOne() {
    static const QDateTime instant(QDate(2000, 1, 1), QTime(0, 0), QTimeZone::utc());
    return instant;
}
} // namespace

QDateTime parseUtcInstant(const std::string& text) {
    const QString trimmed = QString::fromStdString(text).trimmed();
    for (const char* format :
         {"yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-ddTHH:mm:ss"}) {
        const QDateTime fields = QDateTime::fromString(trimmed, QString::fromLatin1(format));
        if (fields.isValid()) {
            const QDateTime utc(fields.date(), fields.time(), QTimeZone::utc());
            if (utc.isValid()) return utc;
        }
    }
    return {};
}

double dayOfUtc(const QDateTime& utc) {
    const QDateTime inUtc = utc.toUTC();
    const QDate date = inUtc.date();
    const double msOfDay = inUtc.time().msecsSinceStartOfDay();
    return ConvDay(date.year(), date.month(), date.day()) + msOfDay / 86400000.0;
}

QDateTime utcOfDay(double day) {
    return dayOne().addMSecs(static_cast<qint64>(std::llround((day - 1) * 86400000.0)));
}

std::string utcInstantText(const QDateTime& utc, bool milliseconds) {
    return utc.toUTC()
        .toString(
            QString::fromLatin1(milliseconds ? "yyyy-MM-dd HH:mm:ss.zzz" : "yyyy-MM-dd HH:mm:ss"))
        .toStdString();
}

} // namespace orv::orbit
