#pragma once

#include <memory>

// GDI objects are shared: a context keeps what is selected into it alive, so
// releasing a handle while it is selected is harmless (GDI's DeleteObject
// would fail there). Pens, brushes, fonts and palettes are immutable once made.
class CGdiObject;
class CPen;
class CBrush;
class CFont;
class CBitmap;
class CRgn;
class CPalette;

using HGDIOBJ = std::shared_ptr<const CGdiObject>;
using HPEN = std::shared_ptr<const CPen>;
using HBRUSH = std::shared_ptr<const CBrush>;
using HFONT = std::shared_ptr<const CFont>;
using HBITMAP = std::shared_ptr<CBitmap>;
using HRGN = std::shared_ptr<CRgn>;
using HPALETTE = std::shared_ptr<const CPalette>;
