#include "rows_view.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace tolvern::app {

namespace {

constexpr size_t ChangesListed = 12;

QString ChangeList(const std::vector<size_t>& rows) {
  QStringList changes;
  for (size_t i = 0; i < rows.size() && i < ChangesListed; ++i) changes << QString::number(rows[i]);
  if (rows.size() > ChangesListed)
    return changes.join(QStringLiteral(", ")) + QStringLiteral(" and %1 more").arg(rows.size() - ChangesListed);
  const QString last = changes.takeLast();
  return changes.isEmpty() ? last : changes.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

}  // namespace

QString OccurrencesText(const RowsModel& model, const std::vector<size_t>& rows) {
  if (rows.empty()) return {};
  const QString row = QString::fromStdString(model.RowText(rows.front()));
  return QStringLiteral("Row %1 rung %2 times: at changes %3").arg(row).arg(rows.size()).arg(ChangeList(rows));
}

RowsView::RowsView(QWidget* parent) : QAbstractScrollArea(parent) {
  style_.font = RowsFont();
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(false);
  viewport()->setMouseTracking(false);
  setFocusPolicy(Qt::StrongFocus);
}

void RowsView::SetModel(std::shared_ptr<const RowsModel> model) {
  model_ = std::move(model);
  style_.highlighted.reset();
  picture_.reset();
  Relayout();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  emit messageChanged(QString());
}

void RowsView::ToggleLine(int bell) {
  style_.lines.Toggle(bell);
  Redraw();
}

void RowsView::Redraw() {
  drawn_.clear();
  viewport()->update();
}

void RowsView::ShowOccurrences(std::optional<size_t> row) {
  if (!model_ || !row) {
    style_.highlighted.reset();
    emit messageChanged(QString());
  } else {
    style_.highlighted = model_->Row(*row);
    emit messageChanged(OccurrencesText(*model_, model_->Occurrences(*row)));
  }
  Redraw();
}

// The columns follow the view's width; the lead at the top stays in sight.
void RowsView::Relayout() {
  if (!model_) {
    picture_.reset();
    layout_ = RowsLayout();
    UpdateScrollBars();
    Redraw();
    return;
  }
  const qreal charWidth = QFontMetricsF(style_.font).horizontalAdvance(QLatin1Char('0'));
  const int columns = RowsPicture::ColumnsThatFit(viewport()->width(), model_->Stage(), charWidth);
  if (picture_ && columns == layout_.Columns()) return;
  std::optional<size_t> topLead;
  if (picture_ && layout_.BandCount() > 0)
    topLead = layout_.FirstLead(picture_->BandsBetween(verticalScrollBar()->value(), verticalScrollBar()->value()).first);
  layout_ = RowsLayout(*model_, columns);
  picture_ = std::make_unique<RowsPicture>(*model_, layout_, style_);
  UpdateScrollBars();
  if (topLead && *topLead < model_->LeadCount())
    verticalScrollBar()->setValue(static_cast<int>(picture_->BandY(layout_.BandOfLead(*topLead))));
  Redraw();
}

void RowsView::UpdateScrollBars() {
  const QSizeF size = picture_ ? picture_->Size() : QSizeF();
  const QSize page = viewport()->size();
  verticalScrollBar()->setRange(0, std::max(0, static_cast<int>(std::ceil(size.height())) - page.height()));
  verticalScrollBar()->setPageStep(page.height());
  verticalScrollBar()->setSingleStep(picture_ ? static_cast<int>(picture_->LineHeight()) : 16);
  horizontalScrollBar()->setRange(0, std::max(0, static_cast<int>(std::ceil(size.width())) - page.width()));
  horizontalScrollBar()->setPageStep(page.width());
  horizontalScrollBar()->setSingleStep(picture_ ? static_cast<int>(picture_->CharWidth()) : 8);
}

QPointF RowsView::ToPicture(QPoint viewportPoint) const {
  return QPointF(viewportPoint) + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void RowsView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), Qt::white);
  ++framesPainted_;
  if (!picture_) return;
  const int top = verticalScrollBar()->value();
  const auto [first, end] = picture_->BandsBetween(top, top + viewport()->height());
  // The bands in sight and two more: enough for the wheel, a few megabytes.
  const size_t keep = end - first + 2;
  for (size_t band = first; band < end; ++band)
    painter.drawPixmap(QPointF(-horizontalScrollBar()->value(), picture_->BandY(band) - top), BandPixmap(band, keep));
}

size_t RowsView::DrawnBytes() const {
  size_t bytes = 0;
  for (const DrawnBand& drawn : drawn_)
    bytes += static_cast<size_t>(drawn.pixmap.width()) * drawn.pixmap.height() * drawn.pixmap.depth() / 8;
  return bytes;
}

const QPixmap& RowsView::BandPixmap(size_t band, size_t keep) {
  for (auto it = drawn_.begin(); it != drawn_.end(); ++it) {
    if (it->band != band) continue;
    if (it != drawn_.begin()) {
      DrawnBand found = std::move(*it);
      drawn_.erase(it);
      drawn_.push_front(std::move(found));
    }
    return drawn_.front().pixmap;
  }
  const qreal top = picture_->BandY(band);
  const qreal bottom = band + 1 < layout_.BandCount() ? picture_->BandY(band + 1) : picture_->Size().height();
  const qreal ratio = viewport()->devicePixelRatioF();
  QPixmap pixmap(QSize(static_cast<int>(std::ceil(picture_->Size().width() * ratio)),
                       static_cast<int>(std::ceil((bottom - top) * ratio))));
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::white);
  {
    QPainter painter(&pixmap);
    painter.translate(0, -top);
    picture_->Draw(painter, band, band + 1);
  }
  while (drawn_.size() >= keep) drawn_.pop_back();
  drawn_.push_front({band, std::move(pixmap)});
  return drawn_.front().pixmap;
}

void RowsView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  Relayout();
  UpdateScrollBars();
}

void RowsView::scrollContentsBy(int, int) { viewport()->update(); }

std::optional<RowsPicture::Hit> RowsView::HitAt(QPoint viewportPoint) const {
  if (!picture_) return std::nullopt;
  return picture_->HitTest(ToPicture(viewportPoint));
}

QPoint RowsView::ViewportPointOf(size_t row, int position) const {
  if (!picture_) return {};
  const QPointF centre = picture_->CellCentre(model_->LeadOf(row), row, position);
  return (centre - QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value())).toPoint();
}

void RowsView::ScrollToRow(size_t row) {
  if (!picture_) return;
  const QPointF centre = picture_->CellCentre(model_->LeadOf(row), row, 0);
  verticalScrollBar()->setValue(static_cast<int>(centre.y()) - viewport()->height() / 2);
  horizontalScrollBar()->setValue(static_cast<int>(centre.x()) - viewport()->width() / 2);
}

// A click on a false row shows where it falls; on another row's bell (or
// with Shift on any row) it toggles that bell's line.
void RowsView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  const std::optional<RowsPicture::Hit> hit = HitAt(event->position().toPoint());
  if (!hit) return ShowOccurrences(std::nullopt);
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  if (model_->IsFalse(hit->row) && !shift) return ShowOccurrences(hit->row);
  if (hit->bell >= 0) ToggleLine(hit->bell);
}

bool RowsView::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QAbstractScrollArea::viewportEvent(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const QString text = ToolTipAt(help->pos());
  if (text.isEmpty()) QToolTip::hideText();
  else QToolTip::showText(help->globalPos(), text, viewport());
  return true;
}

QString RowsView::ToolTipAt(QPoint viewportPoint) const {
  const std::optional<RowsPicture::Hit> hit = HitAt(viewportPoint);
  if (!hit) return {};
  const QString row = QString::fromStdString(model_->RowText(hit->row));
  QString text = hit->row == 0 ? QStringLiteral("%1: rounds, before the first change").arg(row)
                               : QStringLiteral("Change %1: %2").arg(hit->row).arg(row);
  const std::string_view music = model_->Music(hit->row);
  if (!music.empty()) text += QStringLiteral("\nMusic: ") + QString::fromUtf8(music.data(), static_cast<int>(music.size()));
  if (model_->IsFalse(hit->row))
    text += QStringLiteral("\nRung more than once: click to show where; Shift+click a bell to toggle its line");
  return text;
}

}  // namespace tolvern::app
