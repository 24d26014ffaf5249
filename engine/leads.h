// Lead-head markers met while ringing, and the lead section of the report.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "outputs.h"
#include "rows.h"

namespace tolvern {

// One marker met, or a run of markers of the same text met with no change
// between them (all but the last of such a run are leads of 0 changes).
struct TLeadHead {
  std::string_view Method;  // the marker's text, held by the definition table
  TRow LeadHeadRow;
  int64_t LeadChanges = 0;
  int64_t Leads = 1;
};

class LeadList {
 public:
  void Reset();
  // A marker met with `changeCount` changes rung and `row` the current row.
  void MarkLeadHead(std::string_view method, const TRow& row, int64_t changeCount);
  // Closes the last lead at the end of the touch.
  void CloseLastLead(int64_t changeCount);
  void WriteSection(LineSink* proof, int stage);

  bool Empty() const { return records_.empty(); }
  int64_t LeadCount = 0;
  int64_t LeadStartChange = 0;
  int64_t MethodChanges = 0;

 private:
  std::vector<TLeadHead> records_;  // oldest first
};

}  // namespace tolvern
