#include "gui/fetch_delay_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "acquire/odds_schedule.h"
#include "gui/qt_text.h"

namespace tw {

FetchDelayDialog::FetchDelayDialog(Settings& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
  setObjectName("TimeAddForm");
  setWindowTitle(ToQt(DelayCaption()));
  setAttribute(Qt::WA_DeleteOnClose, false);
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(ToQt(DelayExplanation()));
  text->setWordWrap(true);
  layout->addWidget(text);
  layout->addWidget(new QLabel(ToQt(DelayRangeText())));
  auto* row = new QHBoxLayout;
  spinEdit2_ = new QSpinBox;
  spinEdit2_->setObjectName("SpinEdit2");
  spinEdit2_->setRange(kDelayMin, kDelayMax);
  spinEdit2_->findChild<QLineEdit*>()->setMaxLength(2);
  spinEdit2_->setValue(ReadFetchDelay(settings_));
  row->addWidget(spinEdit2_);
  row->addWidget(new QLabel(QString::fromUtf8("分")));
  row->addStretch();
  layout->addLayout(row);
  auto* ok = new QPushButton("OK");
  ok->setObjectName("BitBtn1");
  layout->addWidget(ok, 0, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &FetchDelayDialog::BitBtn1Click);
  resize(420, 200);
}

void FetchDelayDialog::BitBtn1Click() {
  StoreFetchDelay(settings_, spinEdit2_->value());
  accept();
}

}  // namespace tw
