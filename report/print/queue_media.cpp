#include "report/print/queue_media.h"

#include <QSize>
#include <cups/cups.h>

#include <algorithm>
#include <cmath>

namespace kopira::report {

std::optional<QSizeF> queueSheetPoints(const QString& printerName, const QSizeF& portraitMm) {
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, printerName.toUtf8().constData(), nullptr);
  if (dest == nullptr) return std::nullopt;
  std::optional<QSizeF> sheet;
  if (cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
    double best = 3.0;
    const int count = cupsGetDestMediaCount(CUPS_HTTP_DEFAULT, dest, info, CUPS_MEDIA_FLAGS_DEFAULT);
    for (int i = 0; i < count; ++i) {
      cups_size_t size;
      if (!cupsGetDestMediaByIndex(CUPS_HTTP_DEFAULT, dest, info, i, CUPS_MEDIA_FLAGS_DEFAULT, &size)) continue;
      const double width = size.width / 100.0;  // hundredths of a millimetre
      const double length = size.length / 100.0;
      const double off = std::max(std::abs(width - portraitMm.width()), std::abs(length - portraitMm.height()));
      if (off > best) continue;
      best = off;
      sheet = QSizeF(width * 72 / 25.4, length * 72 / 25.4);
    }
    cupsFreeDestInfo(info);
  }
  cupsFreeDests(1, dest);
  return sheet;
}

std::optional<QPageSize> queueSheet(const QString& printerName, const QPageSize& standard) {
  const std::optional<QSizeF> exact = queueSheetPoints(printerName, standard.size(QPageSize::Millimeter));
  if (!exact) return std::nullopt;
  const QSize points(qRound(exact->width()), qRound(exact->height()));
  if (points == standard.sizePoints()) return standard;
  return QPageSize(points, standard.name(), QPageSize::ExactMatch);
}

}  // namespace kopira::report
