// The picture of a touch's rows: leads side by side in bands, lead ends
// ruled, the method over each lead, false and music rows shaded, and lines
// through chosen bells. The view, the printer, SVG and PNG all draw it here.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

#include "rows_model.h"

class QPainter;
class QPrinter;

namespace tolvern::app {

struct BellLine {
  int bell = 0;  // 0 is the treble
  QColor colour;
  qreal width = 1;
};

// The bells whose lines are drawn, each in its own colour.
class BellLines {
 public:
  // The treble thin in red and bell 2 thick in blue.
  static BellLines Default();
  static BellLine StyleOf(int bell);

  bool Has(int bell) const;
  void Toggle(int bell);
  void Clear() { lines_.clear(); }
  const std::vector<BellLine>& Lines() const { return lines_; }

 private:
  std::vector<BellLine> lines_;
};

struct PictureStyle {
  QFont font;
  BellLines lines = BellLines::Default();
  std::optional<PackedRow> highlighted;  // every occurrence of this row is marked
  QString title;                         // a line over the leads; none when empty
};

// The fixed-width font the rows are drawn in.
QFont RowsFont(int pixels = 15);

// A heading for exports: "448 changes. Touch is True"
QString PictureTitle(const RowsModel& model);

class RowsPicture {
 public:
  struct Hit {
    size_t lead;
    size_t row;
    int position;  // 0-based
    int bell;      // 0-based
  };

  // `model`, `layout` and `style` must outlive the picture.
  RowsPicture(const RowsModel& model, const RowsLayout& layout, const PictureStyle& style);

  qreal CharWidth() const { return charWidth_; }
  qreal LineHeight() const { return lineHeight_; }
  // A lead and the gap after it.
  qreal ColumnWidth() const { return ColumnChars(model_.Stage()) * charWidth_; }
  QSizeF Size() const;
  qreal BandY(size_t band) const;
  // The bands [first, end) that meet the picture between `top` and `bottom`.
  std::pair<size_t, size_t> BandsBetween(qreal top, qreal bottom) const;

  // Draws the title and the bands [first, end) in picture coordinates.
  void Draw(QPainter& painter, size_t firstBand, size_t endBand) const;
  std::optional<Hit> HitTest(QPointF point) const;
  QPointF CellCentre(size_t lead, size_t row, int position) const;

  // How many leads fit across `width` picture units (at least one).
  static int ColumnsThatFit(qreal width, int stage, qreal charWidth);
  static int ColumnChars(int stage) { return stage + GapChars; }
  static constexpr int GapChars = 3;

 private:
  qreal Left() const { return charWidth_; }
  qreal Top() const;
  qreal ColumnX(size_t lead) const;
  qreal RowY(size_t lead, size_t row) const;
  void DrawTitle(QPainter& painter) const;
  void DrawLead(QPainter& painter, size_t lead) const;
  void DrawLines(QPainter& painter, size_t firstLead, size_t endLead) const;

  const RowsModel& model_;
  const RowsLayout& layout_;
  const PictureStyle& style_;
  qreal charWidth_ = 0;
  qreal lineHeight_ = 0;
  qreal ascent_ = 0;
};

// The whole touch at `columns` leads across; false when the file cannot be
// written. PNG also refuses pictures too big for one image, and then says why
// in `error` (left empty for a file that cannot be written).
bool WriteSvg(const QString& path, const RowsModel& model, int columns, const PictureStyle& style);
bool WritePng(const QString& path, const RowsModel& model, int columns, const PictureStyle& style, QString* error);
// Every lead, as many columns as fit across the sheet, bands kept whole;
// false when the printer could not be started or written.
bool PrintRows(QPrinter& printer, const RowsModel& model, const PictureStyle& style);

}  // namespace tolvern::app
