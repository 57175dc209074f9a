// The table, label and note builders every tab of the race view shares, so
// that all its tables look alike: light text on black, fixed row heights,
// framed labels.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

#include "view/colours.h"
#include "view/race_view.h"

class QLabel;
class QTableWidget;
class QTableWidgetItem;
class QWidget;

namespace tw {

// The font colour of the tables' fields when the view gives none.
inline const QColor kLightText(224, 224, 224);

inline QColor ToColor(const Colour& c) { return QColor(c.red, c.green, c.blue); }
constexpr size_t Index(int i) { return static_cast<size_t>(i); }

// The item of a cell, made centred on first use.
QTableWidgetItem* Cell(QTableWidget* grid, int row, int column);

// A field of a light-on-black table: its text, with its font colour when set.
void SetField(QTableWidget* grid, int row, int column, const QString& text,
              const std::optional<Colour>& colour = std::nullopt);
void SetField(QTableWidget* grid, int row, int column, const ColouredText& t);

// A table of light text on black: rows of horses or pairs, headings on top.
QTableWidget* MakeOddsGrid(QWidget* parent, const QString& name, int rows, const QStringList& headings);
void SetHeading(QTableWidget* grid, int column, const QString& text);

// A grid of owner-drawn cells under a fixed header row, for the bet tab.
QTableWidget* MakeJudgementGrid(QWidget* parent, int columns, int rows, const QString& name);

// A sunken, centred label that holds a value.
QLabel* MakeValueLabel(QWidget* parent, const QString& name, int minWidth = 0);
QLabel* Caption(QWidget* parent, const char* utf8);
// The note under the odds tables on what their empty fields mean.
QLabel* Note(QWidget* parent);

}  // namespace tw
