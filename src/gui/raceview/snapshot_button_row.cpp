#include "gui/raceview/snapshot_button_row.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QToolButton>

#include "gui/qt_text.h"

namespace tw {

SnapshotButtonRow::SnapshotButtonRow(const QString& namePrefix, QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  group_ = new QButtonGroup(this);
  group_->setExclusive(true);
  const char* captions[] = {"1回目", "2回目", "3回目"};
  for (int s = 1; s <= kSnapshots; ++s) {
    auto* b = new QToolButton(this);
    b->setObjectName(namePrefix + QString::number(s));
    b->setText(FromUtf8(captions[s - 1]));
    b->setCheckable(true);
    b->setMinimumWidth(52);
    buttons_[static_cast<size_t>(s)] = b;
    group_->addButton(b, s);
    row->addWidget(b);
    connect(b, &QToolButton::clicked, this, [this, s] { Q_EMIT snapshotChosen(s); });
  }
}

QToolButton* SnapshotButtonRow::button(int snapshot) const {
  return snapshot >= 1 && snapshot <= kSnapshots ? buttons_[static_cast<size_t>(snapshot)] : nullptr;
}

void SnapshotButtonRow::Apply(const SnapshotButtons& state) {
  // An exclusive group always keeps one button down; lift it to show none.
  group_->setExclusive(false);
  for (int s = 1; s <= kSnapshots; ++s) {
    buttons_[static_cast<size_t>(s)]->setEnabled(state.enabled[static_cast<size_t>(s)]);
    buttons_[static_cast<size_t>(s)]->setChecked(state.pressed == s);
  }
  group_->setExclusive(true);
}

}  // namespace tw
