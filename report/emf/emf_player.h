#pragma once
// Draws an Enhanced Metafile onto a QPainter, its frame stretched over a
// target rectangle. Reads the records the recorder writes and a few other
// common ones; skips records it does not know. Malformed input is rejected
// with a reason, never drawn past.
#include <QByteArray>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "report/emf/emf_header.h"

namespace kopira::report {

class EmfPlayer {
 public:
  // Checks the header and that the records tile the file up to an end record.
  explicit EmfPlayer(QByteArray emf);

  bool isValid() const { return valid_; }
  // Why the picture was rejected, or why the last play() stopped.
  const QString& error() const { return error_; }
  const EmfHeader& header() const { return header_; }

  // Draws the picture with its frame mapped onto target, in the painter's
  // coordinates taken as device pixels. Returns false when the picture is
  // invalid or a record is malformed (records before it stay drawn).
  bool play(QPainter& painter, const QRectF& target);

 private:
  QByteArray bytes_;
  EmfHeader header_;
  bool valid_ = false;
  QString error_;
};

}  // namespace kopira::report
