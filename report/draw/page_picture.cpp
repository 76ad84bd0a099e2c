#include "report/draw/page_picture.h"

#include "report/emf/emf_player.h"

namespace kopira::report {

void playPagePicture(QPainter& painter, const QByteArray& picture, const QRect& target) {
  if (picture.isEmpty()) return;
  EmfPlayer player(picture);
  player.play(painter, QRectF(target));
}

}  // namespace kopira::report
