#include "rows_model.h"

#include <algorithm>
#include <limits>

#include "rows.h"

namespace tolvern::app {

namespace {

PackedRow Pack(const uint8_t* bells, int stage) {
  PackedRow row = 0;
  for (int i = 0; i < stage; ++i) row |= static_cast<PackedRow>(bells[i] & 15) << (4 * i);
  return row;
}

PackedRow RoundsPacked(int stage) {
  PackedRow row = 0;
  for (int i = 0; i < stage; ++i) row |= static_cast<PackedRow>(i) << (4 * i);
  return row;
}

// "[Cambridge]" names the method Cambridge.
std::string MethodOfMarker(std::string_view marker) {
  if (marker.size() >= 2 && marker.front() == '[' && marker.back() == ']') marker = marker.substr(1, marker.size() - 2);
  return std::string(marker);
}

}  // namespace

RowsModel::RowsModel(int64_t rowCap, RunControl* control)
    : rowCap_(std::clamp<int64_t>(rowCap, 1, std::numeric_limits<int32_t>::max() - 1)), control_(control) {}

void RowsModel::OnTouchStart(int stage) {
  stage_ = stage;
  Append(RoundsPacked(stage));
}

void RowsModel::OnRow(const RowEvent& event) {
  if (cutShort_) return;
  if (static_cast<int64_t>(rowCount_) > rowCap_) {
    ReachCap();
    return;
  }
  const size_t index = rowCount_;
  Append(Pack(event.bells, event.stage));
  if (event.timesBefore > 0) {
    MarkFalse(index);
    if (event.firstChange >= 0 && static_cast<size_t>(event.firstChange) < index)
      MarkFalse(static_cast<size_t>(event.firstChange));
  }
  if (event.music.empty()) return;
  musicKey_.clear();
  for (std::string_view pattern : event.music) {
    if (!musicKey_.empty()) musicKey_ += ", ";
    musicKey_ += pattern;
  }
  auto found = musicIndex_.find(musicKey_);
  if (found == musicIndex_.end()) {
    found = musicIndex_.emplace(musicKey_, static_cast<uint32_t>(musicTexts_.size())).first;
    musicTexts_.push_back(musicKey_);
  }
  music_.push_back({static_cast<uint32_t>(index), found->second});
}

void RowsModel::OnLeadHead(std::string_view marker, int64_t change) {
  if (cutShort_ || change < 0 || change > rowCap_) return;
  const std::string name = MethodOfMarker(marker);
  auto found = methodIndex_.find(name);
  if (found == methodIndex_.end()) {
    found = methodIndex_.emplace(name, static_cast<int32_t>(methods_.size())).first;
    methods_.push_back(name);
  }
  markers_.push_back({static_cast<uint32_t>(change), 0, found->second});
}

void RowsModel::Append(PackedRow row) {
  if (rowCount_ % ChunkRows == 0) chunks_.push_back(std::make_unique<PackedRow[]>(ChunkRows));
  chunks_.back()[rowCount_ % ChunkRows] = row;
  if (rowCount_ % 64 == 0) falseBits_.push_back(0);
  ++rowCount_;
}

void RowsModel::MarkFalse(size_t index) { falseBits_[index / 64] |= uint64_t{1} << (index % 64); }

void RowsModel::ReachCap() {
  cutShort_ = true;
  if (control_)
    control_->RequestStop("Proof stopped: the rows view holds at most " + std::to_string(rowCap_) + " rows");
}

void RowsModel::Finish(const RunResult& result) {
  result_ = result;
  control_ = nullptr;  // the run is over; the control may go
  // A run that gave the model only some of its rows went on without it.
  if (rowCount_ > 0 && static_cast<int64_t>(rowCount_) <= result.changes) cutShort_ = true;
  verdict_ = VerdictText();
  leadStarts_.clear();
  if (rowCount_ == 0) return;
  if (markers_.empty()) StartsFromTreble();
  else StartsFromMarkers();
  // The last row, when it heads a lead of its own, is already shown as the
  // foot of the lead before it; and it is ruled off as a lead head when the
  // treble leads there for a second row.
  const size_t lastRow = rowCount_ - 1;
  const bool headsLead = leadStarts_.size() > 1 && leadStarts_.back().row == lastRow;
  if (headsLead) leadStarts_.pop_back();
  lastRowHeadsLead_ = headsLead || (lastRow >= 2 && BellAt(lastRow, 0) == 0 && BellAt(lastRow - 1, 0) == 0);
  SplitLongLeads();
  markers_.clear();
  markers_.shrink_to_fit();
  leadStarts_.shrink_to_fit();
  music_.shrink_to_fit();
  musicIndex_.clear();
}

// Each marker starts a lead at its row; of several markers at one row the
// last names the lead. Rows before the first marker make a lead of their own.
void RowsModel::StartsFromMarkers() {
  if (markers_.front().row > 0) leadStarts_.push_back({0, 0, -1});
  for (const LeadStart& marker : markers_) {
    if (marker.row >= rowCount_) break;
    if (!leadStarts_.empty() && leadStarts_.back().row == marker.row) leadStarts_.back().method = marker.method;
    else leadStarts_.push_back(marker);
  }
}

// Without markers a lead starts at rounds and wherever the treble leads for a
// second row running: the lead head of a method whose treble hunts.
void RowsModel::StartsFromTreble() {
  leadStarts_.push_back({0, 0, -1});
  bool trebleLed = BellAt(0, 0) == 0;
  for (size_t i = 1; i < rowCount_; ++i) {
    const bool trebleLeads = BellAt(i, 0) == 0;
    if (trebleLed && trebleLeads && size_t{leadStarts_.back().row} + 1 < i) leadStarts_.push_back({static_cast<uint32_t>(i), 0, -1});
    trebleLed = trebleLeads;
  }
}

// A method whose treble does not hunt, or a marker met once, would make one
// endless column: long leads go on in further columns.
void RowsModel::SplitLongLeads() {
  const size_t most = MaxLeadRows(stage_);
  std::vector<LeadStart> split;
  split.reserve(leadStarts_.size());
  for (size_t i = 0; i < leadStarts_.size(); ++i) {
    const size_t end = i + 1 < leadStarts_.size() ? leadStarts_[i + 1].row : rowCount_ - 1;
    split.push_back(leadStarts_[i]);
    for (size_t row = leadStarts_[i].row + most; row < end; row += most)
      split.push_back({static_cast<uint32_t>(row), 1, leadStarts_[i].method});
  }
  leadStarts_ = std::move(split);
}

std::string RowsModel::VerdictText() const {
  const std::string falseRows = std::to_string(result_.duplicates) + (result_.duplicates == 1 ? " row" : " rows");
  switch (result_.outcome) {
    case ProofOutcome::Refused:
      return result_.firstError ? "Errors found: " + FirstErrorText(*result_.firstError) : "Errors found; nothing proved";
    case ProofOutcome::RoundsFound: return "Touch is True";
    case ProofOutcome::Conflicting: return "Touch is False in " + falseRows;
    case ProofOutcome::NotRound: return "Rounds were not found: the touch ends in " + RowText(rowCount_ - 1);
    case ProofOutcome::HaltedAtRow:
      return "Halted at change " + std::to_string(result_.changes) +
             (result_.duplicates > 0 ? ": false in " + falseRows : std::string());
    case ProofOutcome::Stopped: return result_.stopLine.empty() ? "Proof stopped" : result_.stopLine;
  }
  return {};
}

std::string RowsModel::RowText(size_t index) const {
  std::string text(static_cast<size_t>(stage_), ' ');
  for (int p = 0; p < stage_; ++p) text[static_cast<size_t>(p)] = BellSymbol(BellAt(index, p) + 1);
  return text;
}

std::string_view RowsModel::Music(size_t index) const {
  const auto found = std::lower_bound(music_.begin(), music_.end(), index,
                                      [](const MusicMark& mark, size_t row) { return mark.row < row; });
  if (found == music_.end() || found->row != index) return {};
  return musicTexts_[found->patterns];
}

std::vector<size_t> RowsModel::Occurrences(size_t index) const {
  std::vector<size_t> found;
  const PackedRow row = Row(index);
  for (size_t c = 0; c < chunks_.size(); ++c) {
    const size_t count = std::min(ChunkRows, rowCount_ - c * ChunkRows);
    const PackedRow* rows = chunks_[c].get();
    for (size_t i = c == 0 ? 1 : 0; i < count; ++i)
      if (rows[i] == row) found.push_back(c * ChunkRows + i);
  }
  return found;
}

LeadSpan RowsModel::Lead(size_t lead) const {
  LeadSpan span;
  span.first = leadStarts_[lead].row;
  span.method = leadStarts_[lead].method;
  span.continues = leadStarts_[lead].continues;
  const bool lastLead = lead + 1 == leadStarts_.size();
  span.last = lastLead ? rowCount_ - 1 : leadStarts_[lead + 1].row;
  span.ruled = lastLead ? lastRowHeadsLead_ : !leadStarts_[lead + 1].continues;
  return span;
}

size_t RowsModel::LeadOf(size_t row) const {
  const auto after = std::upper_bound(leadStarts_.begin(), leadStarts_.end(), row,
                                      [](size_t r, const LeadStart& start) { return r < start.row; });
  return after == leadStarts_.begin() ? 0 : static_cast<size_t>(after - leadStarts_.begin()) - 1;
}

size_t RowsModel::BytesHeld() const {
  size_t bytes = chunks_.capacity() * sizeof(chunks_[0]) + chunks_.size() * ChunkRows * sizeof(PackedRow);
  bytes += falseBits_.capacity() * sizeof(uint64_t) + music_.capacity() * sizeof(MusicMark);
  bytes += leadStarts_.capacity() * sizeof(LeadStart) + markers_.capacity() * sizeof(LeadStart);
  for (const std::string& text : musicTexts_) bytes += sizeof(text) + text.capacity();
  for (const std::string& name : methods_) bytes += sizeof(name) + name.capacity();
  return bytes;
}

std::shared_ptr<RowsModel> CollectRows(const std::vector<std::string>& lines, int maxNumberBells,
                                       RunControl* control, int64_t rowCap) {
  RunControl ownControl;
  RunControl* used = control ? control : &ownControl;
  auto model = std::make_shared<RowsModel>(rowCap, used);
  RunOptions options;
  options.MaxNumberBells = maxNumberBells;
  options.ShowMusic = false;
  options.ShowWorkDone = false;
  RunOutputs outputs;
  outputs.Control = used;
  outputs.Observer = model.get();
  model->Finish(Engine(options, outputs).RunProof(lines));
  return model;
}

RowsLayout::RowsLayout(const RowsModel& model, int columns) : columns_(std::max(1, columns)), leads_(model.LeadCount()) {
  const size_t bands = (leads_ + static_cast<size_t>(columns_) - 1) / static_cast<size_t>(columns_);
  bandTop_.reserve(bands + 1);
  int64_t top = 0;
  for (size_t band = 0; band < bands; ++band) {
    bandTop_.push_back(top);
    size_t rows = 0;
    for (size_t lead = FirstLead(band); lead < EndLead(band); ++lead) rows = std::max(rows, model.Lead(lead).Rows());
    top += HeadingLines + static_cast<int64_t>(rows) + GapLines;
  }
  bandTop_.push_back(top);
}

size_t RowsLayout::EndLead(size_t band) const { return std::min(leads_, (band + 1) * static_cast<size_t>(columns_)); }

size_t RowsLayout::BandAtLine(int64_t line) const {
  if (BandCount() == 0) return 0;
  const auto after = std::upper_bound(bandTop_.begin(), bandTop_.end() - 1, line);
  return after == bandTop_.begin() ? 0 : static_cast<size_t>(after - bandTop_.begin()) - 1;
}

}  // namespace tolvern::app
