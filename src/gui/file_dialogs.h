// Qt's own file dialogs, the same on every platform, with their side bar and
// columns in Japanese and wide enough for the texts in them.
#pragma once

#include <QSize>
#include <QString>

class QFileDialog;
class QWidget;

namespace tw {

// The size the file and folder dialogs open at: their columns fit it.
inline constexpr QSize kFileDialogSize(720, 460);

// Widens the side bar ("コンピュータ", the folders) and the list's columns
// of a dialog that uses Qt's widgets, so that no text of them is cut, and
// gives the list Japanese types and dates.
void FitFileDialogColumns(QFileDialog& dialog);

// Asks for a file to save to, starting at `suggested`; empty when cancelled.
QString AskFileToSave(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter);

}  // namespace tw
