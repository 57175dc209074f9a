// A printed page kept as a list of drawing operations, so that the layout can
// be built and checked without a printer and drawn later by any painter.
//
// Two kinds of page exist. Analysis pages are laid out in tenths of a
// millimetre from the top-left corner of the printable area, with pen widths
// in 1/960 inch. Grid pages are laid out in the dots of the printer they were
// split for (their resolution is kept with the page), with pen widths in dots.
// Font sizes are points on both. Texts are Shift-JIS.
#pragma once

#include <string>
#include <vector>

#include "base/colour.h"

namespace tw {

enum class PenStyle { Solid, Dotted };
enum class BrushStyle { Solid, Clear, CrossHatched };

struct PenState {
  int width = 1;
  PenStyle style = PenStyle::Solid;
  friend bool operator==(const PenState&, const PenState&) = default;
};

// Rectangles are filled with the brush; texts are drawn without a background.
struct BrushState {
  Colour colour = colour::kWhite;
  BrushStyle style = BrushStyle::Solid;
  friend bool operator==(const BrushState&, const BrushState&) = default;
};

struct FontState {
  std::string name;  // Shift-JIS family name
  int points = 10;
  bool bold = false;
  bool underline = false;
  Colour colour = colour::kBlack;
  friend bool operator==(const FontState&, const FontState&) = default;
};

enum class DrawKind { Text, Line, Rectangle };

// One drawing operation with the pen, brush and font in force when it was
// recorded, so that every operation can be drawn (and checked) on its own.
//  Text:      (x0, y0) is the top-left corner of the text; with `clipped` the
//             text is cut off at the rectangle (x0, y0)-(x1, y1) given by clip*.
//  Line:      from (x0, y0) to (x1, y1).
//  Rectangle: corners (x0, y0) and (x1, y1); the outline covers x0 .. x1 - 1
//             and y0 .. y1 - 1, so a rectangle one unit wider than its cell
//             shares its right edge with the next cell.
struct DrawOp {
  DrawKind kind = DrawKind::Text;
  int x0 = 0;
  int y0 = 0;
  int x1 = 0;
  int y1 = 0;
  std::string text;
  bool clipped = false;
  int clipX0 = 0;
  int clipY0 = 0;
  int clipX1 = 0;
  int clipY1 = 0;
  PenState pen;
  BrushState brush;
  FontState font;
};

enum class PageUnits { TenthMillimetre, PrinterDots };

struct Page {
  PageUnits units = PageUnits::TenthMillimetre;
  int dotsPerInchX = 0;  // PrinterDots pages only
  int dotsPerInchY = 0;
  std::vector<DrawOp> ops;
};

// Records drawing calls into a page, keeping the current pen, brush and font
// like a printer's drawing surface does.
class PageCanvas {
 public:
  explicit PageCanvas(Page& page) : page_(page) {}

  void SetPenWidth(int width) { pen_.width = width; }
  void SetPenStyle(PenStyle style) { pen_.style = style; }
  void SetBrush(Colour colour, BrushStyle style) { brush_ = {colour, style}; }
  void SetBrushStyle(BrushStyle style) { brush_.style = style; }
  void SetFontName(const std::string& name) { font_.name = name; }
  void SetFont(int points, bool bold = false, bool underline = false);
  void SetTextColour(Colour colour) { font_.colour = colour; }

  void Text(int x, int y, const std::string& text);
  // The text at (x, y), cut off at the rectangle (x0, y0)-(x1, y1).
  void TextClipped(int x0, int y0, int x1, int y1, int x, int y, const std::string& text);
  void Line(int x0, int y0, int x1, int y1);
  void Rectangle(int x0, int y0, int x1, int y1);

  const PenState& pen() const { return pen_; }
  const BrushState& brush() const { return brush_; }
  const FontState& font() const { return font_; }

 private:
  DrawOp MakeOp(DrawKind kind, int x0, int y0, int x1, int y1) const;

  Page& page_;
  PenState pen_;
  BrushState brush_;
  FontState font_;
};

}  // namespace tw
