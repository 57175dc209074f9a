#include "gui/splash.h"

#include <QPainter>

namespace tw {

QPixmap SplashPicture() {
  QPixmap picture(420, 200);
  picture.fill(QColor(0, 64, 32));
  QPainter p(&picture);
  p.setPen(QColor(255, 255, 255));
  QFont title = p.font();
  title.setPointSize(20);
  title.setBold(true);
  p.setFont(title);
  p.drawText(QRect(0, 40, 420, 60), Qt::AlignCenter, QStringLiteral("Turfwise"));
  QFont sub = p.font();
  sub.setPointSize(11);
  sub.setBold(false);
  p.setFont(sub);
  p.drawText(QRect(0, 100, 420, 30), Qt::AlignCenter, QStringLiteral("for JRA-VAN Data Lab."));
  p.setPen(QColor(255, 215, 0));
  p.drawText(QRect(0, 150, 420, 30), Qt::AlignCenter, QString::fromUtf8("起動中…"));
  return picture;
}

SplashScreen::SplashScreen() : QSplashScreen(SplashPicture(), Qt::WindowStaysOnTopHint) {}

}  // namespace tw
