// The main window: tool bar, menus, the side panel with the day selector and
// the race list, and the tabs of the race view.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <memory>

#include "app/app_shell.h"
#include "gui/qt_user_port.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPrinter;
class QTabWidget;
class QTableWidget;
class QToolButton;
class QWidget;

namespace tw {

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // `shell` must outlive the window. The constructor runs the creation steps;
  // check `created()` before showing it.
  explicit TMainForm(AppShell& shell, QtUserPort& ui, QWidget* parent = nullptr);
  ~TMainForm() override;

  bool created() const { return created_; }

  // Widgets and commands by their component names (used by tests and by the
  // parts of the window that are filled later).
  QAction* action(const QString& name) const { return actions_.value(name); }
  QComboBox* dateCombo() const { return dateCombo_; }
  QListWidget* datList() const { return datList_; }
  QLabel* dlLabel() const { return dlLabel_; }
  QWidget* sidePanel() const { return sidePanel_; }
  QTableWidget* grid(int n) const;  // StringGrid1..4
  QTabWidget* tabs() const { return tabs_; }
  QCheckBox* autoOzCheck() const { return autoOzCheck_; }
  QLabel* hassoTimeLabel() const { return hassoTimeLabel_; }
  int upDown1Position() const { return upDown1Position_; }

 public slots:
  void MakeDataListBtnClick();
  void SpeedButton19Click();
  void Dd1Click();
  void HelpContentsClick();
  void AboutClick();
  void FilePrintSetupItemClick();
  void UpDown1Click(int step);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QAction* AddAction(const QString& name, const QString& caption, const QString& hint);
  void BuildActions();
  void BuildMenus();
  void BuildToolBar();
  void BuildSidePanel();
  void BuildRaceView();
  void WriteGridHeadings();
  void DisableUnbuiltCommands();

  AppShell& shell_;
  QtUserPort& ui_;
  bool created_ = false;
  bool shown_ = false;
  QHash<QString, QAction*> actions_;
  QComboBox* dateCombo_ = nullptr;
  QListWidget* datList_ = nullptr;
  int upDown1Position_ = 0;  // UpDown1: 0..35
  QLabel* dlLabel_ = nullptr;
  QWidget* sidePanel_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QTableWidget* grids_[4] = {};
  QCheckBox* autoOzCheck_ = nullptr;
  QLabel* hassoTimeLabel_ = nullptr;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace tw
