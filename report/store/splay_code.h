#pragma once
// Adaptive splay-tree prefix code over byte values (D. W. Jones, 1988), as used
// for compressed page records of saved report files. Every call starts from a
// fresh tree, so each record can be decoded on its own.
#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace kopira::store {

// Codes the bytes; the last, partly filled byte is padded with zero bits.
QByteArray splayEncode(QByteArrayView plain);

// Decodes exactly `length` bytes from `code`. Returns nothing when the code
// runs out first or leads to the tree's spare node (corrupt input).
std::optional<QByteArray> splayDecode(QByteArrayView code, qsizetype length);

}  // namespace kopira::store
