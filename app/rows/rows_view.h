// The rows of the last proof in a scrolling view that paints only the leads
// in sight, so a touch of millions of rows scrolls as lightly as a short one.
// A click on a bell toggles its line; a click on a false row marks every
// occurrence of that row.
#pragma once

#include <QAbstractScrollArea>
#include <QPixmap>
#include <QString>
#include <deque>
#include <memory>
#include <optional>

#include "rows_model.h"
#include "rows_picture.h"

namespace tolvern::app {

class RowsView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit RowsView(QWidget* parent = nullptr);

  // Shows another proof's rows; the lines chosen stay.
  void SetModel(std::shared_ptr<const RowsModel> model);
  const RowsModel* Model() const { return model_.get(); }

  const PictureStyle& Style() const { return style_; }
  void ToggleLine(int bell);
  // Marks every occurrence of a row and says where they fall; nullopt clears.
  void ShowOccurrences(std::optional<size_t> row);
  // As many leads across as fit the view's width.
  int Columns() const { return layout_.Columns(); }

  // What lies under a point of the viewport, and where a row's bell is drawn:
  // the mouse's view of the picture, used by the tests too.
  std::optional<RowsPicture::Hit> HitAt(QPoint viewportPoint) const;
  QPoint ViewportPointOf(size_t row, int position) const;
  void ScrollToRow(size_t row);

  int64_t FramesPainted() const { return framesPainted_; }
  // Bytes of the bands kept drawn.
  size_t DrawnBytes() const;

 signals:
  // A line for the window's status: where a false row falls, or "".
  void messageChanged(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void Relayout();
  void UpdateScrollBars();
  // Bands drawn lately, kept as pictures: scrolling mostly shows them again.
  const QPixmap& BandPixmap(size_t band, size_t keep);
  void Redraw();
  QPointF ToPicture(QPoint viewportPoint) const;
  QString ToolTipAt(QPoint viewportPoint) const;

  std::shared_ptr<const RowsModel> model_;
  PictureStyle style_;
  RowsLayout layout_;
  std::unique_ptr<RowsPicture> picture_;
  struct DrawnBand {
    size_t band;
    QPixmap pixmap;
  };
  std::deque<DrawnBand> drawn_;  // the most recent first
  int64_t framesPainted_ = 0;
};

// "Row 214365 rung 2 times: at changes 1 and 181"
QString OccurrencesText(const RowsModel& model, const std::vector<size_t>& rows);

}  // namespace tolvern::app
