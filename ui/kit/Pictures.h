#pragma once
// The pictures of the main window, by resource number (Traxo.rc), drawn for this program by
// tools/make-pictures.py into ui/pictures/. Glyphs are white line art on magenta, the colour
// left out when they are drawn.

namespace traxo {

inline constexpr int kPictureBanner = 200;   // Image2, centred on Panel2
inline constexpr int kIconAllPrograms = 201; // imgApps icon 0
inline constexpr int kGlyphActive = 210;
inline constexpr int kGlyphNewSet = 211;
inline constexpr int kGlyphLoadSet = 212;
inline constexpr int kGlyphSaveSet = 213;
inline constexpr int kGlyphOptions = 214;
inline constexpr int kGlyphHelp = 215;
inline constexpr int kGlyphExit = 216;
inline constexpr int kGlyphKnownApps = 217;

inline constexpr int kBannerWidth = 600;
inline constexpr int kBannerHeight = 66;
inline constexpr int kGlyphSize = 16;
inline constexpr int kKnownAppsGlyphSize = 24;

} // namespace traxo
