// What the program sets on its application object before any window: its
// name, and Qt's own dialogs (buttons, file and printer dialogs) in Japanese
// like every text of the program.
#pragma once

class QApplication;

namespace tw {

// Names the application "Turfwise" without a display name, so that the
// platform adds nothing to a window caption, makes Japanese the default
// locale and loads Qt's Japanese translations when they are installed. True
// when they were loaded.
bool SetUpApplication(QApplication& app);

}  // namespace tw
