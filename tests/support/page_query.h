// Finding drawing operations on a recorded page in tests. Texts are given
// in UTF-8 and compared with the page's Shift-JIS.
#pragma once

#include <string>
#include <vector>

#include "print/page.h"
#include "text/sjis.h"

namespace tw::test {

inline std::vector<const DrawOp*> OpsOfKind(const Page& page, DrawKind kind) {
  std::vector<const DrawOp*> ops;
  for (const DrawOp& op : page.ops)
    if (op.kind == kind) ops.push_back(&op);
  return ops;
}

// Every text op with this text (UTF-8).
inline std::vector<const DrawOp*> TextOps(const Page& page, const std::string& utf8) {
  std::vector<const DrawOp*> ops;
  const std::string sjis = Sjis(utf8);
  for (const DrawOp& op : page.ops)
    if (op.kind == DrawKind::Text && op.text == sjis) ops.push_back(&op);
  return ops;
}

// The text at (x, y), or nullptr.
inline const DrawOp* TextAt(const Page& page, int x, int y) {
  for (const DrawOp& op : page.ops)
    if (op.kind == DrawKind::Text && op.x0 == x && op.y0 == y) return &op;
  return nullptr;
}

inline std::string Utf8TextAt(const Page& page, int x, int y) {
  const DrawOp* op = TextAt(page, x, y);
  return op ? SjisToUtf8(op->text) : std::string("<none>");
}

inline const DrawOp* FindOp(const Page& page, DrawKind kind, int x0, int y0, int x1, int y1) {
  for (const DrawOp& op : page.ops)
    if (op.kind == kind && op.x0 == x0 && op.y0 == y0 && op.x1 == x1 && op.y1 == y1) return &op;
  return nullptr;
}

inline const DrawOp* LineOp(const Page& page, int x0, int y0, int x1, int y1) {
  return FindOp(page, DrawKind::Line, x0, y0, x1, y1);
}

inline const DrawOp* RectOp(const Page& page, int x0, int y0, int x1, int y1) {
  return FindOp(page, DrawKind::Rectangle, x0, y0, x1, y1);
}

}  // namespace tw::test
