// The splash window shown while the program starts.
#pragma once

#include <QSplashScreen>

namespace tw {

// A borderless picture centred on the screen; it closes itself when the main
// window becomes active.
class TSplash : public QSplashScreen {
  Q_OBJECT
 public:
  TSplash();
};

QPixmap SplashPicture();

}  // namespace tw
