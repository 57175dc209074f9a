#include "gui/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace tw {

AboutBox::AboutBox(const QString& version, const QString& folder, QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle(QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報"));
  auto* layout = new QVBoxLayout(this);
  auto* product = new QLabel(QString::fromUtf8("Turfwise for JRA-VAN Data Lab."), this);
  QFont big = product->font();
  big.setPointSize(big.pointSize() + 4);
  big.setBold(true);
  product->setFont(big);
  layout->addWidget(product);
  version_ = new QLabel(version, this);
  version_->setObjectName("Version");
  layout->addWidget(version_);
  layout->addWidget(new QLabel(QString::fromUtf8("JRA-VAN Data Lab. のデータを使ったオッズ分析ソフトです。"), this));
  folder_ = new QLabel(QString::fromUtf8("データの保存先：") + folder, this);
  folder_->setObjectName("AppFolder");
  folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  folder_->setVisible(!folder.isEmpty());
  layout->addWidget(folder_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

}  // namespace tw
