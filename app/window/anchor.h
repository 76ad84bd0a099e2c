#pragma once
// Keeps a child at fixed distances from all four sides of its parent, so it
// grows and shrinks with the parent.
#include <QWidget>

namespace kopira {

// Fixes the child's current distances to its parent's sides.
void anchorToAllSides(QWidget* child);

}  // namespace kopira
