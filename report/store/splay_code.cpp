#include "report/store/splay_code.h"

#include <array>
#include <cstdint>

namespace kopira::store {
namespace {

// Nodes 0..255 are inner nodes, byte c sits at leaf 256 + c. Inner node 255
// also has a right child 512 that no byte maps to; the splaying moves it
// around like any other subtree, so the arrays hold 513 entries.
constexpr int kRoot = 0;
constexpr int kFirstLeaf = 256;
constexpr int kSpareNode = 512;
constexpr int kNodes = 513;

class SplayTree {
 public:
  SplayTree() {
    for (int i = 1; i < kNodes; ++i) up_[i] = static_cast<uint16_t>((i - 1) / 2);
    for (int i = 0; i < kFirstLeaf; ++i) {
      left_[i] = static_cast<uint16_t>(2 * i + 1);
      right_[i] = static_cast<uint16_t>(2 * i + 2);
    }
  }

  int parent(int node) const { return up_[node]; }
  bool isRightChild(int node) const { return right_[up_[node]] == node; }
  int child(int node, bool right) const { return right ? right_[node] : left_[node]; }

  // Semi-splay at a leaf: walking up two levels at a time, the node takes
  // the place of its parent's sibling, halving its depth.
  void splay(int leaf) {
    int a = leaf;
    do {
      const int c = up_[a];
      if (c == kRoot) break;
      const int d = up_[c];
      int b = left_[d];
      if (c == b) {
        b = right_[d];
        right_[d] = static_cast<uint16_t>(a);
      } else {
        left_[d] = static_cast<uint16_t>(a);
      }
      if (left_[c] == a)
        left_[c] = static_cast<uint16_t>(b);
      else
        right_[c] = static_cast<uint16_t>(b);
      up_[a] = static_cast<uint16_t>(d);
      up_[b] = static_cast<uint16_t>(c);
      a = d;
    } while (a != kRoot);
  }

 private:
  std::array<uint16_t, kNodes> up_{};
  std::array<uint16_t, kNodes> left_{};
  std::array<uint16_t, kNodes> right_{};
};

// Packs bits from the least significant bit of each byte on.
class BitWriter {
 public:
  void put(bool bit) {
    pending_ |= static_cast<unsigned>(bit) << used_;
    if (++used_ == 8) {
      out_.append(static_cast<char>(pending_));
      pending_ = 0;
      used_ = 0;
    }
  }
  QByteArray take() {
    if (used_ > 0) out_.append(static_cast<char>(pending_));
    return std::move(out_);
  }

 private:
  QByteArray out_;
  unsigned pending_ = 0;
  int used_ = 0;
};

}  // namespace

QByteArray splayEncode(QByteArrayView plain) {
  SplayTree tree;
  BitWriter bits;
  std::array<bool, kNodes> path{};
  for (const char ch : plain) {
    const int leaf = kFirstLeaf + static_cast<uint8_t>(ch);
    // Collect the path leaf-to-root, then send it root first.
    int depth = 0;
    for (int node = leaf; node != kRoot; node = tree.parent(node)) path[depth++] = tree.isRightChild(node);
    while (depth > 0) bits.put(path[--depth]);
    tree.splay(leaf);
  }
  return bits.take();
}

std::optional<QByteArray> splayDecode(QByteArrayView code, qsizetype length) {
  // Every byte costs at least one bit; this also bounds the allocation.
  if (length < 0 || length > code.size() * 8) return std::nullopt;
  SplayTree tree;
  QByteArray out(length, Qt::Uninitialized);
  qsizetype bit = 0;
  const qsizetype bitCount = code.size() * 8;
  for (qsizetype i = 0; i < length; ++i) {
    int node = kRoot;
    while (node < kFirstLeaf) {
      if (bit == bitCount) return std::nullopt;
      const bool right = (static_cast<uint8_t>(code[bit / 8]) >> (bit % 8)) & 1u;
      ++bit;
      node = tree.child(node, right);
    }
    if (node == kSpareNode) return std::nullopt;
    out[i] = static_cast<char>(node - kFirstLeaf);
    tree.splay(node);
  }
  return out;
}

}  // namespace kopira::store
