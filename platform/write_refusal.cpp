#include "platform/write_refusal.h"

namespace kopira::write_refusal {
namespace {

QString& current() {
  static QString refusal;
  return refusal;
}

}  // namespace

void set(const QString& reason) { current() = reason; }

const QString& reason() { return current(); }

}  // namespace kopira::write_refusal
