#pragma once
// White page images for high-resolution output. A 600-dpi B4 page is about
// 200 MB of pixels; faulting that in 4 KiB at a time costs more than drawing
// the whole page, so the pixels get their own mapping with huge pages asked
// for.
#include <QImage>
#include <QSize>

namespace kopira::report {

// A white Format_RGB32 image of the given size, or a null image when the
// memory cannot be had. Copies share the pixels as with any QImage.
QImage makeWhitePageImage(QSize size);

}  // namespace kopira::report
