// The splash window shown while the program starts.
#pragma once

#include <QSplashScreen>

namespace tw {

// A borderless picture centred on the screen; it closes itself when the main
// window becomes active.
class SplashScreen : public QSplashScreen {
  Q_OBJECT
 public:
  SplashScreen();
};

QPixmap SplashPicture();

}  // namespace tw
