#include "rows_picture.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPrinter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "editor_page.h"
#include "rows.h"

namespace tolvern::app {

namespace {

const QColor FalseShade(255, 205, 205);
const QColor HighlightShade(255, 120, 120);
const QColor MusicShade(205, 238, 200);
const QColor RuleColour(70, 70, 70);
const QColor HeadingColour(60, 60, 120);

// Colours for bells beyond the first two, chosen to stay apart from the
// shades behind false and music rows.
const QColor OtherLineColours[] = {
    QColor(0, 140, 60), QColor(230, 120, 0), QColor(130, 50, 170), QColor(0, 150, 160),
    QColor(150, 90, 40), QColor(210, 40, 150), QColor(90, 110, 20), QColor(40, 40, 40),
};

}  // namespace

BellLines BellLines::Default() {
  BellLines lines;
  lines.Toggle(0);
  lines.Toggle(1);
  return lines;
}

BellLine BellLines::StyleOf(int bell) {
  if (bell == 0) return {bell, QColor(220, 30, 30), 1.0};
  if (bell == 1) return {bell, QColor(30, 70, 220), 2.5};
  return {bell, OtherLineColours[static_cast<size_t>(bell - 2) % std::size(OtherLineColours)], 2.0};
}

bool BellLines::Has(int bell) const {
  return std::any_of(lines_.begin(), lines_.end(), [bell](const BellLine& line) { return line.bell == bell; });
}

void BellLines::Toggle(int bell) {
  const auto found = std::find_if(lines_.begin(), lines_.end(), [bell](const BellLine& line) { return line.bell == bell; });
  if (found != lines_.end()) lines_.erase(found);
  else lines_.push_back(StyleOf(bell));
}

QFont RowsFont(int pixels) { return PageFont(pixels); }

// The rows held, not the changes the prover counted: a touch cut short at
// the cap counts one change more than it shows.
QString PictureTitle(const RowsModel& model) {
  const size_t rows = model.RowCount() > 0 ? model.RowCount() - 1 : 0;
  return QStringLiteral("%1 rows. %2").arg(rows).arg(QString::fromStdString(model.Verdict()));
}

RowsPicture::RowsPicture(const RowsModel& model, const RowsLayout& layout, const PictureStyle& style)
    : model_(model), layout_(layout), style_(style) {
  const QFontMetricsF metrics(style.font);
  charWidth_ = metrics.horizontalAdvance(QLatin1Char('0'));
  lineHeight_ = std::ceil(metrics.lineSpacing());
  ascent_ = metrics.ascent();
}

int RowsPicture::ColumnsThatFit(qreal width, int stage, qreal charWidth) {
  const qreal column = ColumnChars(stage) * charWidth;
  if (column <= 0) return 1;
  return std::max(1, static_cast<int>((width - charWidth) / column));
}

qreal RowsPicture::Top() const { return style_.title.isEmpty() ? lineHeight_ / 2 : 2 * lineHeight_; }

QSizeF RowsPicture::Size() const {
  const size_t across = std::min(static_cast<size_t>(layout_.Columns()), std::max<size_t>(model_.LeadCount(), 1));
  const qreal width = Left() + static_cast<qreal>(across) * ColumnWidth();
  const qreal titleWidth = style_.title.isEmpty() ? 0 : 2 * Left() + QFontMetricsF(style_.font).horizontalAdvance(style_.title);
  return {std::max(width, titleWidth), Top() + static_cast<qreal>(layout_.TotalLines()) * lineHeight_};
}

qreal RowsPicture::BandY(size_t band) const { return Top() + static_cast<qreal>(layout_.BandTop(band)) * lineHeight_; }

std::pair<size_t, size_t> RowsPicture::BandsBetween(qreal top, qreal bottom) const {
  if (layout_.BandCount() == 0) return {0, 0};
  const auto lineAt = [this](qreal y) { return static_cast<int64_t>(std::floor((y - Top()) / lineHeight_)); };
  const size_t first = layout_.BandAtLine(lineAt(top));
  const size_t last = layout_.BandAtLine(lineAt(bottom));
  return {first, std::min(last + 1, layout_.BandCount())};
}

qreal RowsPicture::ColumnX(size_t lead) const { return Left() + layout_.ColumnOfLead(lead) * ColumnWidth(); }

qreal RowsPicture::RowY(size_t lead, size_t row) const {
  const LeadSpan span = model_.Lead(lead);
  const auto line = RowsLayout::HeadingLines + static_cast<int64_t>(row - span.first);
  return BandY(layout_.BandOfLead(lead)) + static_cast<qreal>(line) * lineHeight_;
}

QPointF RowsPicture::CellCentre(size_t lead, size_t row, int position) const {
  return {ColumnX(lead) + (position + 0.5) * charWidth_, RowY(lead, row) + lineHeight_ / 2};
}

void RowsPicture::Draw(QPainter& painter, size_t firstBand, size_t endBand) const {
  painter.save();
  painter.setFont(style_.font);
  if (firstBand == 0 && !style_.title.isEmpty()) DrawTitle(painter);
  if (firstBand < endBand) {
    const size_t firstLead = layout_.FirstLead(firstBand);
    const size_t endLead = layout_.EndLead(endBand - 1);
    // Smoothing costs most of a frame; only the bells' lines need it.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (size_t lead = firstLead; lead < endLead; ++lead) DrawLead(painter, lead);
    painter.setRenderHint(QPainter::Antialiasing, true);
    DrawLines(painter, firstLead, endLead);
  }
  painter.restore();
}

void RowsPicture::DrawTitle(QPainter& painter) const {
  painter.setPen(Qt::black);
  painter.drawText(QPointF(Left(), lineHeight_ / 2 + ascent_), style_.title);
}

void RowsPicture::DrawLead(QPainter& painter, size_t lead) const {
  const LeadSpan span = model_.Lead(lead);
  const int stage = model_.Stage();
  const qreal x = ColumnX(lead);
  const qreal rowWidth = stage * charWidth_;
  const qreal pad = charWidth_ / 4;

  if (span.method >= 0 && !span.continues) {
    const QString name = QString::fromStdString(model_.MethodName(span.method));
    const QFontMetricsF metrics(style_.font);
    painter.setPen(HeadingColour);
    painter.drawText(QPointF(x, RowY(lead, span.first) - lineHeight_ + ascent_),
                     metrics.elidedText(name, Qt::ElideRight, ColumnWidth() - charWidth_));
  }

  uint32_t lineBells = 0;
  for (const BellLine& line : style_.lines.Lines()) lineBells |= 1u << line.bell;
  QString text(stage, QLatin1Char(' '));
  for (size_t row = span.first; row <= span.last; ++row) {
    const qreal y = RowY(lead, row);
    const bool highlighted = style_.highlighted && model_.Row(row) == *style_.highlighted;
    if (highlighted || model_.IsFalse(row) || !model_.Music(row).empty()) {
      const QColor shade = highlighted ? HighlightShade : model_.IsFalse(row) ? FalseShade : MusicShade;
      // Whole pixels: the painter's quick way for plain rectangles.
      painter.fillRect(QRectF(x - pad, y, rowWidth + 2 * pad, lineHeight_).toAlignedRect(), shade);
    }
    for (int p = 0; p < stage; ++p) {
      const int bell = model_.BellAt(row, p);
      text[p] = (lineBells >> bell) & 1 ? QLatin1Char(' ') : QLatin1Char(BellSymbol(bell + 1));
    }
    painter.setPen(Qt::black);
    painter.drawText(QPointF(x, y + ascent_), text);
  }
  if (span.ruled) {
    const qreal y = RowY(lead, span.last);
    painter.setPen(QPen(RuleColour, 1));
    painter.drawLine(QPointF(x - pad, y), QPointF(x + rowWidth + pad, y));
  }
}

// In SVG a bell's line is one figure through every lead, to be picked out
// whole in an editor; on other devices a figure a lead fills in half the time.
void RowsPicture::DrawLines(QPainter& painter, size_t firstLead, size_t endLead) const {
  const int stage = model_.Stage();
  const bool wholeFigures = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::SVG;
  painter.setBrush(Qt::NoBrush);
  for (const BellLine& line : style_.lines.Lines()) {
    if (line.bell >= stage) continue;
    painter.setPen(QPen(line.colour, line.width, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin));
    QPainterPath path;
    for (size_t lead = firstLead; lead < endLead; ++lead) {
      const LeadSpan span = model_.Lead(lead);
      for (size_t row = span.first; row <= span.last; ++row) {
        int position = 0;
        while (position < stage && model_.BellAt(row, position) != line.bell) ++position;
        const QPointF point = CellCentre(lead, row, position);
        if (row == span.first) path.moveTo(point);
        else path.lineTo(point);
      }
      if (!wholeFigures) {
        painter.drawPath(path);
        path.clear();
      }
    }
    if (!path.isEmpty()) painter.drawPath(path);
  }
}

std::optional<RowsPicture::Hit> RowsPicture::HitTest(QPointF point) const {
  if (layout_.BandCount() == 0 || point.y() < Top() || point.x() < Left()) return std::nullopt;
  const auto line = static_cast<int64_t>(std::floor((point.y() - Top()) / lineHeight_));
  const size_t band = layout_.BandAtLine(line);
  const int64_t inBand = line - layout_.BandTop(band) - RowsLayout::HeadingLines;
  const auto column = static_cast<size_t>((point.x() - Left()) / ColumnWidth());
  const size_t lead = layout_.FirstLead(band) + column;
  if (inBand < 0 || column >= static_cast<size_t>(layout_.Columns()) || lead >= layout_.EndLead(band))
    return std::nullopt;
  const LeadSpan span = model_.Lead(lead);
  const size_t row = span.first + static_cast<size_t>(inBand);
  if (row > span.last) return std::nullopt;
  const auto position = static_cast<int>(std::floor((point.x() - ColumnX(lead)) / charWidth_));
  if (position < 0 || position >= model_.Stage()) return Hit{lead, row, -1, -1};
  return Hit{lead, row, position, model_.BellAt(row, position)};
}

bool WriteSvg(const QString& path, const RowsModel& model, int columns, const PictureStyle& style) {
  const RowsLayout layout(model, columns);
  const RowsPicture picture(model, layout, style);
  const QSizeF size = picture.Size();
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(size.toSize());
  svg.setViewBox(QRectF(QPointF(0, 0), size));
  svg.setTitle(style.title);
  svg.setResolution(96);
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
  picture.Draw(painter, 0, layout.BandCount());
  return painter.end();
}

bool WritePng(const QString& path, const RowsModel& model, int columns, const PictureStyle& style, QString* error) {
  const RowsLayout layout(model, columns);
  const RowsPicture picture(model, layout, style);
  const QSize size = picture.Size().toSize();
  // Beyond this many pixels a side, viewers and the PNG writer give up.
  constexpr int Largest = 32767;
  if (size.width() > Largest || size.height() > Largest) {
    if (error)
      *error = QStringLiteral("The picture would be %1 by %2 pixels, more than %3 a side: save it as SVG, "
                              "or with more leads across.")
                   .arg(size.width())
                   .arg(size.height())
                   .arg(Largest);
    return false;
  }
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    picture.Draw(painter, 0, layout.BandCount());
  }
  return image.save(path, "PNG");
}

bool PrintRows(QPrinter& printer, const RowsModel& model, const PictureStyle& style) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // Drawn in screen pixels (96 to the inch), scaled to the printer's.
  const qreal scale = printer.resolution() / 96.0;
  const QRectF paper = printer.pageLayout().paintRectPixels(printer.resolution());
  const qreal width = paper.width() / scale;
  const qreal height = paper.height() / scale;
  const qreal charWidth = QFontMetricsF(style.font).horizontalAdvance(QLatin1Char('0'));
  const RowsLayout layout(model, RowsPicture::ColumnsThatFit(width, model.Stage(), charWidth));
  const RowsPicture picture(model, layout, style);

  size_t band = 0;
  const size_t bands = layout.BandCount();
  painter.scale(scale, scale);
  if (bands == 0) picture.Draw(painter, 0, 0);
  while (band < bands) {
    const qreal top = band == 0 ? 0 : picture.BandY(band);
    size_t end = band + 1;
    while (end < bands && picture.BandY(end + 1) - top <= height) ++end;
    const qreal bottom = end < bands ? picture.BandY(end) : picture.Size().height();
    // A band taller than a sheet is drawn smaller rather than cut.
    const qreal shrink = std::min<qreal>(1.0, height / std::max<qreal>(bottom - top, 1));
    painter.save();
    painter.scale(shrink, shrink);
    painter.translate(0, -top);
    picture.Draw(painter, band, end);
    painter.restore();
    band = end;
    if (band < bands && !printer.newPage()) return false;
  }
  return painter.end();
}

}  // namespace tolvern::app
