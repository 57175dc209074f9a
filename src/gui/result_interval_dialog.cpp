#include "gui/result_interval_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "acquire/odds_schedule.h"
#include "gui/qt_text.h"

namespace tw {

ResultIntervalDialog::ResultIntervalDialog(Settings& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
  setObjectName("FirstTimeForm");
  setWindowTitle(ToQt(ResultCaption()));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(ToQt(ResultTitle()));
  layout->addWidget(title);
  auto* text = new QLabel(ToQt(ResultExplanation()));
  text->setWordWrap(true);
  layout->addWidget(text);
  auto* row = new QHBoxLayout;
  spinEdit4_ = new QSpinBox;
  spinEdit4_->setObjectName("SpinEdit4");
  spinEdit4_->setRange(kResultIntervalMin, kResultIntervalMax);
  spinEdit4_->findChild<QLineEdit*>()->setMaxLength(2);
  spinEdit4_->setValue(ReadResultInterval(settings_));
  row->addWidget(spinEdit4_);
  row->addWidget(new QLabel(QString::fromUtf8("分間隔")));
  row->addStretch();
  layout->addLayout(row);
  auto* ok = new QPushButton("OK");
  ok->setObjectName("BitBtn1");
  layout->addWidget(ok, 0, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &ResultIntervalDialog::BitBtn1Click);
  resize(400, 180);
}

void ResultIntervalDialog::BitBtn1Click() {
  StoreResultInterval(settings_, spinEdit4_->value());
  accept();
}

}  // namespace tw
