#include "report/preview/queue_media.h"

#include <QSize>
#include <QSizeF>
#include <cups/cups.h>

#include <algorithm>
#include <cmath>

namespace kopira::report {

std::optional<QPageSize> queueSheet(const QString& printerName, const QPageSize& standard) {
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, printerName.toUtf8().constData(), nullptr);
  if (dest == nullptr) return std::nullopt;
  std::optional<QPageSize> sheet;
  if (cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
    const QSizeF wanted = standard.size(QPageSize::Millimeter);
    double best = 3.0;
    const int count = cupsGetDestMediaCount(CUPS_HTTP_DEFAULT, dest, info, CUPS_MEDIA_FLAGS_DEFAULT);
    for (int i = 0; i < count; ++i) {
      cups_size_t size;
      if (!cupsGetDestMediaByIndex(CUPS_HTTP_DEFAULT, dest, info, i, CUPS_MEDIA_FLAGS_DEFAULT, &size)) continue;
      const double width = size.width / 100.0;  // hundredths of a millimetre
      const double length = size.length / 100.0;
      const double off = std::max(std::abs(width - wanted.width()), std::abs(length - wanted.height()));
      if (off > best) continue;
      best = off;
      const QSize points(qRound(width * 72 / 25.4), qRound(length * 72 / 25.4));
      sheet = points == standard.sizePoints() ? standard : QPageSize(points, standard.name(), QPageSize::ExactMatch);
    }
    cupsFreeDestInfo(info);
  }
  cupsFreeDests(1, dest);
  return sheet;
}

}  // namespace kopira::report
