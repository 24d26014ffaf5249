#include "leads.h"

#include <array>
#include <unordered_map>

#include "parser.h"
#include "prover.h"

namespace tolvern {

namespace {

// Method names compare with ASCII letters case-blind, without copying them:
// a touch may meet millions of markers.
bool SameMethod(std::string_view a, std::string_view b) {
  if (a.data() == b.data() && a.size() == b.size()) return true;
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

}  // namespace

void LeadList::Reset() {
  records_.clear();
  LeadCount = 0;
  LeadStartChange = 0;
  MethodChanges = 0;
}

void LeadList::MarkLeadHead(std::string_view method, const TRow& row, int64_t changeCount) {
  if (!records_.empty()) {
    TLeadHead& last = records_.back();
    last.LeadChanges = changeCount - LeadStartChange;
    if (!SameMethod(last.Method, method)) ++MethodChanges;
    LeadStartChange = changeCount;
    ++LeadCount;
    // No change since the last marker of the same text: one more lead of 0
    // changes, kept in the same record so that repeated markers take no room.
    if (last.LeadChanges == 0 && last.Method == method) {
      ++last.Leads;
      return;
    }
  } else {
    LeadStartChange = changeCount;
    ++LeadCount;
  }
  records_.push_back({method, row, 0, 1});
}

void LeadList::CloseLastLead(int64_t changeCount) {
  if (!records_.empty()) records_.back().LeadChanges = changeCount - LeadStartChange;
}

void LeadList::WriteSection(LineSink* proof, int stage) {
  AppendLine(proof, "");
  AppendLine(proof, "");
  AppendLine(proof, "NumberLeads=" + std::to_string(LeadCount));

  // Groups in the order of their newest lead, each under its newest marker.
  struct Group {
    const TLeadHead* newest;
    int64_t leads = 0;
    int64_t changes = 0;
    std::array<std::array<int64_t, 16>, 16> placeBells{};
  };
  std::vector<Group> groups;
  std::unordered_map<std::string, size_t> groupOf;
  // Markers are few texts met many times: look each text up once (a marker's
  // text is where the table holds it).
  std::unordered_map<const char*, size_t> groupOfText;
  for (auto record = records_.rbegin(); record != records_.rend(); ++record) {
    auto known = groupOfText.find(record->Method.data());
    if (known == groupOfText.end()) {
      const auto [found, added] = groupOf.emplace(UpperCaseAscii(record->Method), groups.size());
      if (added) groups.push_back(Group{&*record});
      known = groupOfText.emplace(record->Method.data(), found->second).first;
    }
    Group& group = groups[known->second];
    group.leads += record->Leads;
    group.changes += record->LeadChanges;
    for (int p = 0; p < stage && p < MaxStage; ++p)
      group.placeBells[record->LeadHeadRow.bell[static_cast<size_t>(p)]][static_cast<size_t>(p)] += record->Leads;
  }

  for (const Group& group : groups) {
    AppendLine(proof, "");
    AppendLine(proof, "");
    AppendLine(proof, std::string(group.newest->Method) + "  " + std::to_string(group.leads) + " lead" +
                          (group.leads > 1 ? "s" : "") + "   " + std::to_string(group.changes) + " changes");
    AppendLine(proof, "");
    std::string heading = "     ";
    for (int p = 1; p <= stage; ++p) heading += std::string(" ") + BellSymbol(p) + "pb";
    AppendLine(proof, heading);
    for (int b = 1; b <= stage; ++b) {
      std::string line = std::string("  ") + BellSymbol(b) + ":";
      for (int p = 1; p <= stage; ++p) {
        const int64_t count = group.placeBells[static_cast<size_t>(b - 1)][static_cast<size_t>(p - 1)];
        line += RightJustify(count == 0 ? std::string("-") : std::to_string(count));
      }
      AppendLine(proof, line);
    }
  }
  records_.clear();

  AppendLine(proof, "");
  AppendLine(proof, std::to_string(MethodChanges) + " change" + (MethodChanges > 1 ? "s" : "") + " of method");
}

}  // namespace tolvern
