#include "print/schedule_print.h"

#include "text/sjis.h"

namespace tw {

GridPageHeader SchedulePageHeader(const std::string& dayText) {
  return [dayText](GridPageSurface& surface) {
    static const std::string kTitle = Sjis("Turfwise for JRA-VAN Data Lab.　ｵｯｽﾞ取得ｽｹｼﾞｭｰﾙ表");
    surface.canvas().Text(surface.MmX(10), surface.MmY(4), kTitle);
    surface.canvas().Text(surface.MmX(10), surface.MmY(8), dayText);
  };
}

std::vector<Page> PrintScheduleGrid(const GridTable& grid, const std::string& dayText, const PrinterMetrics& printer) {
  GridMargins margins;
  margins.top = 12;
  return PrintGrid(grid, printer, SchedulePageHeader(dayText), margins);
}

}  // namespace tw
