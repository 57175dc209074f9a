#include "gui/acquisition/minutes_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "acquire/fetch_time_settings.h"
#include "gui/qt_text.h"
#include "view/fetch_time_dialog_texts.h"

namespace tw {

MinutesSetting ResultIntervalSetting() {
  MinutesSetting s;
  s.name = "ResultIntervalDialog";
  s.caption = ResultCaption();
  s.heading = ResultTitle();
  s.explanation = ResultExplanation();
  s.unit = FromUtf8("分間隔");
  s.minimum = kResultIntervalMin;
  s.maximum = kResultIntervalMax;
  s.read = &ReadResultInterval;
  s.store = &StoreResultInterval;
  s.size = QSize(400, 180);
  return s;
}

MinutesSetting FetchDelaySetting() {
  MinutesSetting s;
  s.name = "FetchDelayDialog";
  s.caption = DelayCaption();
  s.explanation = DelayExplanation();
  s.rangeText = DelayRangeText();
  s.unit = FromUtf8("分");
  s.minimum = kDelayMin;
  s.maximum = kDelayMax;
  s.read = &ReadFetchDelay;
  s.store = &StoreFetchDelay;
  s.size = QSize(420, 200);
  return s;
}

MinutesDialog::MinutesDialog(const MinutesSetting& setting, Settings& settings, QWidget* parent)
    : QDialog(parent), setting_(setting), settings_(settings) {
  setObjectName(setting_.name);
  setWindowTitle(ToQt(setting_.caption));
  auto* layout = new QVBoxLayout(this);
  if (!setting_.heading.empty()) layout->addWidget(new QLabel(ToQt(setting_.heading)));
  auto* text = new QLabel(ToQt(setting_.explanation));
  text->setWordWrap(true);
  layout->addWidget(text);
  if (!setting_.rangeText.empty()) layout->addWidget(new QLabel(ToQt(setting_.rangeText)));
  auto* row = new QHBoxLayout;
  minutes_ = new QSpinBox;
  minutes_->setObjectName("MinutesBox");
  minutes_->setRange(setting_.minimum, setting_.maximum);
  QLineEdit* edit = minutes_->findChild<QLineEdit*>();
  edit->setMaxLength(2);
  minutes_->setValue(setting_.read(settings_));
  connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) { typed_ = text; });
  connect(minutes_, &QSpinBox::valueChanged, this, [this] { typed_.clear(); });
  row->addWidget(minutes_);
  row->addWidget(new QLabel(setting_.unit));
  row->addStretch();
  layout->addLayout(row);
  auto* ok = new QPushButton("OK");
  ok->setObjectName("OkButton");
  layout->addWidget(ok, 0, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &MinutesDialog::StoreAndClose);
  resize(setting_.size);
}

void MinutesDialog::StoreAndClose() {
  // A number typed outside the range (3 in 5..59) never becomes the box's
  // value, which keeps the last valid one (and puts it back into the text
  // when the box loses the focus): OK stores the typed number, kept within
  // the range.
  bool isNumber = false;
  const int number = typed_.trimmed().toInt(&isNumber);
  const int value = isNumber ? std::clamp(number, setting_.minimum, setting_.maximum) : minutes_->value();
  setting_.store(settings_, value);
  accept();
}

}  // namespace tw
