#include "gui/date_field.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace tw {

DateField::DateField(const QDate& date, QWidget* parent) : QDateEdit(date, parent) {
  setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
}

void DateField::keyPressEvent(QKeyEvent* event) {
  // A digit typed into a full part (the year's four digits, the month's or
  // day's two) starts it anew, as when the part was reached with Tab.
  const QString typed = event->text();
  if (typed.size() == 1 && typed[0].isDigit() && !lineEdit()->hasSelectedText()) {
    const Section part = currentSection();
    if (sectionText(part).size() >= (part == YearSection ? 4 : 2)) setSelectedSection(part);
  }
  QDateEdit::keyPressEvent(event);
}

}  // namespace tw
