// Fuzzes the report file reader (header, records, EMF check, compressed
// pages) and the splay decoder on its own.
#include "report/store/paper_guess.h"
#include "report/store/qrp_file.h"
#include "report/store/splay_code.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

  QBuffer in;
  in.setData(bytes);
  in.open(QIODevice::ReadOnly);
  const kopira::store::QrpLoadResult loaded = kopira::store::readQrp(in);
  if (loaded.store) {
    for (int i = 1; i <= loaded.store->count(); ++i) {
      const std::optional<QByteArray> page = loaded.store->page(i);
      if (!page) __builtin_trap();  // a checked file must give back every page
      const QSizeF a4[] = {{210, 297}};
      if (const auto header = kopira::store::readEmfHeader(*page))
        (void)kopira::store::guessPaperSize(kopira::store::pictureSizeTenthsMm(*header, 96), a4);
    }
  }

  // The splay decoder alone: the first two bytes announce the length.
  if (size >= 2) {
    const qsizetype length = data[0] | (data[1] << 8);
    (void)kopira::store::splayDecode(QByteArrayView(bytes).sliced(2), length);
  }
  return 0;
}
