#include "report/draw/page_buffer.h"

#include <sys/mman.h>

#include <cstring>

namespace kopira::report {

namespace {

struct Mapping {
  void* address;
  size_t length;
};

void unmapPixels(void* info) {
  auto* mapping = static_cast<Mapping*>(info);
  munmap(mapping->address, mapping->length);
  delete mapping;
}

// Small pages gain nothing from a mapping of their own.
constexpr size_t kOwnMappingFrom = size_t{8} << 20;

}  // namespace

QImage makeWhitePageImage(QSize size) {
  if (size.isEmpty()) return {};
  const qsizetype bytesPerLine = qsizetype{size.width()} * 4;
  const size_t length = static_cast<size_t>(bytesPerLine) * static_cast<size_t>(size.height());
  if (length >= kOwnMappingFrom) {
    void* address = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (address != MAP_FAILED) {
#ifdef MADV_HUGEPAGE
      // Only advice: where huge pages are off the mapping still works.
      madvise(address, length, MADV_HUGEPAGE);
#endif
      std::memset(address, 0xff, length);  // 0xffffffff is opaque white in RGB32
      return QImage(static_cast<uchar*>(address), size.width(), size.height(), bytesPerLine, QImage::Format_RGB32,
                    unmapPixels, new Mapping{address, length});
    }
  }
  QImage image(size, QImage::Format_RGB32);
  if (!image.isNull()) image.fill(Qt::white);
  return image;
}

}  // namespace kopira::report
