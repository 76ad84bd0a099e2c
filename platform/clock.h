#pragma once
// The clock behind the date stamps: the local date, replaceable by tests.
#include <QDate>
#include <functional>

namespace kopira::clock {

// Today's local date, or the date a test has set.
QDate today();

// Makes today() answer from the given source; an empty function restores
// the system clock.
void setSource(std::function<QDate()> source);

}  // namespace kopira::clock
