#include "render/page_renderer.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "text/sjis.h"

namespace tw {
namespace {

// The resolution the PDF is drawn at.
constexpr int kPdfDotsPerInch = 600;

QString ToQString(const std::string& sjis) { return QString::fromStdString(SjisToUtf8(sjis)); }

QColor ToQColor(const Colour& c) { return QColor(c.red, c.green, c.blue); }

// Maps the page's coordinates and pen widths to device dots.
class DeviceMapping {
 public:
  DeviceMapping(const Page& page, double dpiX, double dpiY) : page_(page), dpiX_(dpiX), dpiY_(dpiY) {}

  double X(int v) const { return Tenths() ? TenthMmToDots(v, dpiX_) : std::round(v * dpiX_ / PageDpiX()); }
  double Y(int v) const { return Tenths() ? TenthMmToDots(v, dpiY_) : std::round(v * dpiY_ / PageDpiY()); }
  double PenWidth(int w) const {
    if (Tenths()) return PenWidthToDots(w, dpiX_);
    return std::max(1.0, std::round(w * dpiX_ / PageDpiX()));
  }
  double dpiX() const { return dpiX_; }
  double dpiY() const { return dpiY_; }

 private:
  bool Tenths() const { return page_.units == PageUnits::TenthMillimetre; }
  double PageDpiX() const { return page_.dotsPerInchX > 0 ? page_.dotsPerInchX : dpiX_; }
  double PageDpiY() const { return page_.dotsPerInchY > 0 ? page_.dotsPerInchY : dpiY_; }

  const Page& page_;
  double dpiX_;
  double dpiY_;
};

QPen MakePen(const PenState& state, const DeviceMapping& map) {
  const double width = map.PenWidth(state.width);
  QPen pen(QColor(Qt::black));
  pen.setWidthF(width);
  pen.setJoinStyle(Qt::MiterJoin);
  if (state.style == PenStyle::Dotted) {
    // Dots as long as on a 96 dpi screen (one pixel, two apart), so that they
    // stay visible at a printer's resolution. The pattern counts pen widths.
    const double dot = map.dpiX() / 96.0 / width;
    pen.setDashPattern({dot, 2 * dot});
    pen.setCapStyle(Qt::FlatCap);
  } else {
    pen.setCapStyle(Qt::SquareCap);
  }
  return pen;
}

QBrush MakeBrush(const BrushState& state, const DeviceMapping& map) {
  switch (state.style) {
    case BrushStyle::Clear:
      return QBrush(Qt::NoBrush);
    case BrushStyle::CrossHatched: {
      // Hatch lines as far apart as on a 96 dpi screen.
      QBrush brush(ToQColor(state.colour), Qt::CrossPattern);
      brush.setTransform(QTransform::fromScale(map.dpiX() / 96.0, map.dpiY() / 96.0));
      return brush;
    }
    case BrushStyle::Solid:
      break;
  }
  return QBrush(ToQColor(state.colour));
}

QFont MakeFont(const FontState& state, const DeviceMapping& map) {
  QFont font(ToQString(state.name));
  font.setStyleHint(QFont::Monospace);
  // Points at the device's resolution, independent of what the device reports.
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(state.points * map.dpiY() / 72.0))));
  font.setBold(state.bold);
  font.setUnderline(state.underline);
  return font;
}

void DrawText(QPainter& painter, const DrawOp& op, const DeviceMapping& map) {
  const QFont font = MakeFont(op.font, map);
  painter.setFont(font);
  painter.setPen(ToQColor(op.font.colour));
  painter.setBrush(Qt::NoBrush);
  // The page gives the top-left corner of the text; Qt draws from the baseline.
  const QFontMetricsF metrics(font, painter.device());
  const QPointF at(map.X(op.x0), map.Y(op.y0) + metrics.ascent());
  if (op.clipped) {
    painter.save();
    painter.setClipRect(
        QRectF(QPointF(map.X(op.clipX0), map.Y(op.clipY0)), QPointF(map.X(op.clipX1), map.Y(op.clipY1))));
    painter.drawText(at, ToQString(op.text));
    painter.restore();
  } else {
    painter.drawText(at, ToQString(op.text));
  }
}

}  // namespace

int TenthMmToDots(int units, double dotsPerInch) { return static_cast<int>(std::lround(units * dotsPerInch / 254.0)); }

int PenWidthToDots(int width, double dotsPerInch) {
  return std::max(1, static_cast<int>(std::lround(width * dotsPerInch / 960.0)));
}

void RenderPage(QPainter& painter, const Page& page, double dotsPerInchX, double dotsPerInchY) {
  const DeviceMapping map(page, dotsPerInchX, dotsPerInchY);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  for (const DrawOp& op : page.ops) {
    switch (op.kind) {
      case DrawKind::Text:
        DrawText(painter, op, map);
        break;
      case DrawKind::Line:
        painter.setPen(MakePen(op.pen, map));
        painter.drawLine(QPointF(map.X(op.x0), map.Y(op.y0)), QPointF(map.X(op.x1), map.Y(op.y1)));
        break;
      case DrawKind::Rectangle:
        painter.setPen(MakePen(op.pen, map));
        painter.setBrush(MakeBrush(op.brush, map));
        painter.drawRect(QRectF(QPointF(map.X(op.x0), map.Y(op.y0)), QPointF(map.X(op.x1), map.Y(op.y1))));
        break;
    }
  }
  painter.restore();
}

bool WritePagesToPdf(const std::vector<Page>& pages, const QString& file, const QString& title, QString* error) {
  // Written beside the target and renamed over it at the end, so that a
  // failure never leaves half a file under the target's name.
  const QString part = file + QStringLiteral(".part");
  bool ok = false;
  {
    QPdfWriter writer(part);
    writer.setResolution(kPdfDotsPerInch);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Turfwise"));
    QPainter painter;
    if (!painter.begin(&writer)) {
      if (error) *error = QStringLiteral("the file cannot be opened for writing");
      return false;
    }
    for (size_t i = 0; i < pages.size(); ++i) {
      if (i > 0) writer.newPage();
      RenderPage(painter, pages[i], writer.resolution(), writer.resolution());
    }
    ok = painter.end();
  }
  std::error_code ec;
  const std::filesystem::path partPath(part.toStdU16String());
  if (ok) std::filesystem::rename(partPath, std::filesystem::path(file.toStdU16String()), ec);
  if (!ok || ec) {
    std::filesystem::remove(partPath, ec);
    if (error) *error = QStringLiteral("the file could not be completed");
    return false;
  }
  return true;
}

}  // namespace tw
