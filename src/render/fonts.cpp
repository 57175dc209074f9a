#include "render/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

namespace tw {

QString DesignedFontFamily() { return QStringLiteral("ＭＳ ゴシック"); }

QString SetUpFonts() {
  const QString designed = DesignedFontFamily();
  QString used = designed;
  const QStringList families = QFontDatabase::families();
  if (!families.contains(designed)) {
    // Debian's fonts-ipafont-gothic, then other Japanese gothic fonts.
    const QStringList candidates = {"IPAGothic",    "IPAexGothic", "IPAPGothic", "Noto Sans CJK JP",
                                    "Noto Sans JP", "TakaoGothic", "VL Gothic"};
    QStringList present;
    for (const QString& c : candidates) {
      if (families.contains(c)) present << c;
    }
    if (!present.isEmpty()) {
      QFont::insertSubstitutions(designed, present);
      used = present.first();
    }
  }
  QFont font(designed, 10);
  QGuiApplication::setFont(font);
  return used;
}

}  // namespace tw
