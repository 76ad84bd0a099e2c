#pragma once
// How far the four named faces advance a character, where their IPA
// stand-ins advance it otherwise. The page tables were laid out with the
// named faces; these rules make the stand-ins measure as those faces did.
#include <QString>

namespace kopira::fonts {

// The named face's advance in pixels of a character at a pixel height,
// given the stand-in's own whole-pixel advance there. A face name that is
// not one of the four keeps the stand-in's advance. At the heights the page
// layouts use on the screen, the advances their label widths fix come first
// (face_advance_table.h); elsewhere these rules:
//  - Fixed-pitch faces: a half-width cell is half the height rounded up and
//    a full-width cell two of them (at 13 px: 7 and 14).
//  - Proportional faces: the ideographic space, the full-width comma and
//    corner brackets and the full-width digits have fixed shares of the em.
int namedFaceAdvance(const QString& faceName, int pixelHeight, char32_t code, int standInAdvance);

}  // namespace kopira::fonts
