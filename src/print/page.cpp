#include "print/page.h"

namespace tw {

void PageCanvas::SetFont(int points, bool bold, bool underline) {
  font_.points = points;
  font_.bold = bold;
  font_.underline = underline;
}

DrawOp PageCanvas::MakeOp(DrawKind kind, int x0, int y0, int x1, int y1) const {
  DrawOp op;
  op.kind = kind;
  op.x0 = x0;
  op.y0 = y0;
  op.x1 = x1;
  op.y1 = y1;
  op.pen = pen_;
  op.brush = brush_;
  op.font = font_;
  return op;
}

void PageCanvas::Text(int x, int y, const std::string& text) {
  // An empty text draws nothing; keeping it out makes the page easier to read.
  if (text.empty()) return;
  DrawOp op = MakeOp(DrawKind::Text, x, y, x, y);
  op.text = text;
  page_.ops.push_back(std::move(op));
}

void PageCanvas::TextClipped(int x0, int y0, int x1, int y1, int x, int y, const std::string& text) {
  if (text.empty()) return;
  DrawOp op = MakeOp(DrawKind::Text, x, y, x, y);
  op.text = text;
  op.clipped = true;
  op.clipX0 = x0;
  op.clipY0 = y0;
  op.clipX1 = x1;
  op.clipY1 = y1;
  page_.ops.push_back(std::move(op));
}

void PageCanvas::Line(int x0, int y0, int x1, int y1) { page_.ops.push_back(MakeOp(DrawKind::Line, x0, y0, x1, y1)); }

void PageCanvas::Rectangle(int x0, int y0, int x1, int y1) {
  page_.ops.push_back(MakeOp(DrawKind::Rectangle, x0, y0, x1, y1));
}

}  // namespace tw
