// MemoryDataSet against a brute-force model: seeded random navigation, edits, bookmarks and
// filters (by event and by parsed text), with 0 to 3 data links of mixed window sizes; after every step the cursor, the
// flags, the record count, the active record's fields and every link's rows must match.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "foundation/error.h"
#include "query/data_link.h"
#include "query/data_source.h"
#include "query/memory_data_set.h"

namespace ruzi {
namespace {

struct ModelRow {
  int id;
  std::string name;
  std::optional<std::string> amount;
};

enum class FilterKind { None, EvenId, AmountOver50, NameMaskAndAmount };

// The same filters as texts the dataset parses (a null amount reads as 0).
const char* const kFilterTexts[] = {"", "ID mod 2 = 0", "AMOUNT > 50",
                                    "(NAME like '_b' or [name] like '中%') and not AMOUNT in (99.5, -3)"};

bool Passes(FilterKind kind, const ModelRow& row) {
  switch (kind) {
    case FilterKind::None: return true;
    case FilterKind::EvenId: return row.id % 2 == 0;
    case FilterKind::AmountOver50: return row.amount && std::stod(*row.amount) > 50;
    case FilterKind::NameMaskAndAmount:
      return (row.name == "Bb" || row.name.rfind("中", 0) == 0) && (!row.amount || (*row.amount != "99.5" && *row.amount != "-3"));
  }
  return true;
}

// The filter the dataset runs, reading its candidate record through the fields.
void FilterEvent(void* data, DataSet* sender, bool& accept) {
  const auto kind = *static_cast<FilterKind*>(data);
  const DataField* amount = sender->FieldByName("AMOUNT");
  accept = Passes(kind, ModelRow{static_cast<int>(sender->FieldByName("ID")->AsInteger()), sender->FieldByName("NAME")->AsString(),
                                 amount->IsNull() ? std::nullopt : std::optional<std::string>(amount->AsString())});
}

class Model {
 public:
  std::vector<ModelRow> rows;  // stored order
  FilterKind filter = FilterKind::None;
  int cursor = -1;  // index among the shown rows
  bool bof = true, eof = true;

  std::vector<int> Shown() const {
    std::vector<int> shown;
    for (size_t i = 0; i < rows.size(); ++i) {
      if (Passes(filter, rows[i])) shown.push_back(static_cast<int>(i));
    }
    return shown;
  }
  int Count() const { return static_cast<int>(Shown().size()); }
  const ModelRow* Current() const { return cursor < 0 ? nullptr : &rows[static_cast<size_t>(Shown()[static_cast<size_t>(cursor)])]; }
  int StoredIndexOf(int id) const {
    for (size_t i = 0; i < rows.size(); ++i) {
      if (rows[i].id == id) return static_cast<int>(i);
    }
    return -1;
  }
  void SetFlagsFromCount() { bof = eof = Count() == 0; }

  void First() {
    cursor = Count() > 0 ? 0 : -1;
    bof = true;
    eof = Count() == 0;
  }
  void Last() {
    cursor = Count() - 1;
    eof = true;
    bof = Count() == 0;
  }
  void MoveBy(int distance) {
    if (!((distance > 0 && !eof) || (distance < 0 && !bof))) return;
    bof = eof = false;
    const int target = cursor + distance;
    if (target > Count() - 1) {
      cursor = Count() - 1;
      eof = true;
    } else if (target < 0) {
      cursor = 0;
      bof = true;
    } else {
      cursor = target;
    }
  }
  // Where the cursor lands once stored row `stored` changed: on it when shown, else on the next
  // shown row after it, else on the last shown row.
  void LandAt(int stored) {
    const std::vector<int> shown = Shown();
    cursor = -1;
    for (size_t i = 0; i < shown.size(); ++i) {
      if (shown[i] >= stored) {
        cursor = static_cast<int>(i);
        break;
      }
    }
    if (cursor < 0) cursor = static_cast<int>(shown.size()) - 1;
    SetFlagsFromCount();
  }
};

// A link that reads its rows through SetActiveRecord, as a grid paints them.
class ProbeLink : public DataLink {
 public:
  std::vector<int> Ids() {
    std::vector<int> ids;
    const int active = ActiveRecord();
    for (int row = 0; row < RecordCount(); ++row) {
      SetActiveRecord(row);
      ids.push_back(static_cast<int>(GetDataSet()->FieldByName("ID")->AsInteger()));
    }
    SetActiveRecord(active);
    return ids;
  }
};

class Driver {
 public:
  Driver(uint32_t seed, int link_count) : random_(seed) {
    data_set_.GetFieldDefs().Add("ID", ftInteger);
    data_set_.GetFieldDefs().Add("NAME", ftString, 8);
    data_set_.GetFieldDefs().Add("AMOUNT", ftFloat);
    const int rows = Pick(12);
    for (int i = 0; i < rows; ++i) {
      ModelRow row = NewRow();
      data_set_.AddRow({std::to_string(row.id), row.name, row.amount});
      model_.rows.push_back(row);
    }
    data_set_.OnFilterRecord = {FilterEvent, &model_.filter};
    sources_[0].SetDataSet(&data_set_);
    sources_[1].SetDataSet(&data_set_);
    for (int i = 0; i < link_count; ++i) {
      links_.push_back(std::make_unique<ProbeLink>());
      links_.back()->SetBufferCount(1 + Pick(7));
      links_.back()->SetDataSource(&sources_[static_cast<size_t>(Pick(2))]);
    }
    data_set_.Open();
    model_.First();
  }

  // The first difference from the model, or "" after `steps` matching steps.
  std::string Run(int steps) {
    std::string difference = Compare("open");
    for (int step = 0; step < steps && difference.empty(); ++step) {
      const std::string action = Step();
      difference = Compare(action);
    }
    return difference;
  }

 private:
  int Pick(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

  ModelRow NewRow() {
    static const char* const kNames[] = {"A", "Bb", "中文", "", "long name"};
    static const char* const kAmounts[] = {"10", "50", "51", "99.5", "-3"};
    ModelRow row{next_id_++, kNames[Pick(5)], std::nullopt};
    if (Pick(5) > 0) row.amount = kAmounts[Pick(5)];
    // The field keeps 8 bytes of a name.
    if (row.name.size() > 8) row.name = row.name.substr(0, 8);
    return row;
  }

  void WriteFields(const ModelRow& row) {
    data_set_.FieldByName("ID")->SetAsInteger(row.id);
    data_set_.FieldByName("NAME")->SetAsString(row.name);
    if (row.amount) {
      data_set_.FieldByName("AMOUNT")->SetAsString(*row.amount);
    } else {
      data_set_.FieldByName("AMOUNT")->Clear();
    }
  }

  int ExpectedWindow() const {
    int size = 1;
    for (const auto& link : links_) size = std::max(size, link->BufferCount());
    return size;
  }

  std::string Step() {
    switch (Pick(17)) {
      case 0: data_set_.First(); model_.First(); return "First";
      case 1: data_set_.Last(); model_.Last(); return "Last";
      case 2: data_set_.Next(); model_.MoveBy(1); return "Next";
      case 3: data_set_.Prior(); model_.MoveBy(-1); return "Prior";
      case 4: {
        const int distance = Pick(13) - 6;
        data_set_.MoveBy(distance);
        model_.MoveBy(distance);
        return "MoveBy " + std::to_string(distance);
      }
      case 5: {
        const int rec_no = Pick(model_.Count() + 2);
        data_set_.SetRecNo(rec_no);
        if (rec_no >= 1 && rec_no <= model_.Count() && rec_no != model_.cursor + 1) {
          model_.cursor = rec_no - 1;
          model_.bof = model_.eof = false;
        }
        return "RecNo " + std::to_string(rec_no);
      }
      case 6:
        if (const ModelRow* row = model_.Current()) marks_.push_back({data_set_.GetBookmark(), row->id});
        return "GetBookmark";
      case 7: return GotoMark();
      case 8: {  // edit, then post or cancel
        if (model_.Count() == 0) return "Edit (empty: skipped)";
        const bool post = Pick(3) > 0;
        ModelRow row = *model_.Current();
        ModelRow changed = NewRow();
        changed.id = row.id;
        data_set_.Edit();
        WriteFields(changed);
        if (data_set_.FieldByName("NAME")->AsString() != changed.name) return "Edit: field does not read its new value";
        if (post) {
          data_set_.Post();
          const int stored = model_.StoredIndexOf(row.id);
          model_.rows[static_cast<size_t>(stored)] = changed;
          model_.LandAt(stored);
        } else {
          data_set_.Cancel();
          model_.SetFlagsFromCount();
        }
        return post ? "Edit+Post" : "Edit+Cancel";
      }
      case 9:
      case 10: {  // insert or append, then post or cancel
        const bool append = Pick(2) == 0;
        const bool post = Pick(4) > 0;
        ModelRow row = NewRow();
        const std::vector<int> shown = model_.Shown();
        int stored = append ? static_cast<int>(model_.rows.size())
                            : (model_.cursor < 0 ? 0 : shown[static_cast<size_t>(model_.cursor)]);
        if (append) {
          data_set_.Append();
        } else {
          data_set_.Insert();
        }
        WriteFields(row);
        if (post) {
          data_set_.Post();
          model_.rows.insert(model_.rows.begin() + stored, row);
          model_.LandAt(stored);
        } else {
          data_set_.Cancel();
          if (append) model_.cursor = model_.Count() - 1;
          model_.SetFlagsFromCount();
        }
        return std::string(append ? "Append" : "Insert") + (post ? "+Post" : "+Cancel");
      }
      case 11: {
        if (model_.Count() == 0) {
          try {
            data_set_.Delete();
          } catch (const Error&) {
            return "Delete (empty: refused)";
          }
          return "Delete on an empty dataset did not fail";
        }
        const int stored = model_.Shown()[static_cast<size_t>(model_.cursor)];
        data_set_.Delete();
        model_.rows.erase(model_.rows.begin() + stored);
        model_.LandAt(stored);
        return "Delete";
      }
      case 12: {
        const auto kind = static_cast<FilterKind>(Pick(4));
        const bool by_text = Pick(2) == 0;
        model_.filter = kind;
        // Either the event or the parsed text filters, never both at once.
        if (by_text) {
          data_set_.OnFilterRecord = {};
          data_set_.SetFilterText(kFilterTexts[static_cast<int>(kind)]);
        } else {
          data_set_.SetFilterText("");
          data_set_.OnFilterRecord = {FilterEvent, &model_.filter};
        }
        // The event reads model_.filter: a change of what it accepts needs a fresh start.
        data_set_.SetFiltered(kind != FilterKind::None);
        data_set_.First();
        model_.First();
        return std::string(by_text ? "Filter text " : "Filter event ") + std::to_string(static_cast<int>(kind));
      }
      case 13: {
        if (links_.empty()) return "Resize (no link)";
        ProbeLink& link = *links_[static_cast<size_t>(Pick(static_cast<int>(links_.size())))];
        const int before = ExpectedWindow();
        link.SetBufferCount(1 + Pick(7));
        if (ExpectedWindow() != before) model_.SetFlagsFromCount();
        return "BufferCount " + std::to_string(link.BufferCount());
      }
      case 14: {  // moves the links do not hear until controls are enabled again
        data_set_.DisableControls();
        const int distance = Pick(9) - 4;
        data_set_.MoveBy(distance);
        model_.MoveBy(distance);
        data_set_.Next();
        model_.MoveBy(1);
        data_set_.EnableControls();
        return "Disabled MoveBy " + std::to_string(distance) + ", Next";
      }
      case 15: {  // reading another record leaves the cursor where it is
        const int rec_no = 1 + Pick(model_.Count() + 1);
        const auto text = data_set_.ReadRecordText(rec_no, 0);
        const std::vector<int> shown = model_.Shown();
        const std::optional<std::string> expected =
            rec_no <= model_.Count()
                ? std::optional<std::string>(std::to_string(model_.rows[static_cast<size_t>(shown[static_cast<size_t>(rec_no - 1)])].id))
                : std::nullopt;
        if (text.has_value() != expected.has_value() || (text && std::string(*text) != *expected)) {
          return "ReadRecordText " + std::to_string(rec_no) + " read the wrong record";
        }
        return "ReadRecordText " + std::to_string(rec_no);
      }
      default: {
        const std::optional<int> found = LocateRandom();
        return found ? "Locate " + std::to_string(*found) : "Locate (missing)";
      }
    }
  }

  std::string GotoMark() {
    if (marks_.empty()) return "GotoBookmark (none)";
    const auto& [mark, id] = marks_[static_cast<size_t>(Pick(static_cast<int>(marks_.size())))];
    const int stored = model_.StoredIndexOf(id);
    const bool shown = stored >= 0 && Passes(model_.filter, model_.rows[static_cast<size_t>(stored)]);
    if (data_set_.BookmarkValid(mark) != shown) return "BookmarkValid disagrees for row " + std::to_string(id);
    try {
      data_set_.GotoBookmark(mark);
    } catch (const Error&) {
      return shown ? "GotoBookmark to a shown row failed" : "GotoBookmark (gone: refused)";
    }
    if (!shown) return "GotoBookmark to a missing row did not fail";
    const std::vector<int> rows = model_.Shown();
    model_.cursor = static_cast<int>(std::find(rows.begin(), rows.end(), stored) - rows.begin());
    model_.bof = model_.eof = false;
    return "GotoBookmark " + std::to_string(id);
  }

  std::optional<int> LocateRandom() {
    const int id = 1 + Pick(next_id_);
    const bool found = data_set_.Locate("ID", {Variant::FromInteger(id)}, 0);
    const int stored = model_.StoredIndexOf(id);
    const bool shown = stored >= 0 && Passes(model_.filter, model_.rows[static_cast<size_t>(stored)]);
    if (found != shown) return -id;
    if (!found) return std::nullopt;
    const std::vector<int> rows = model_.Shown();
    model_.cursor = static_cast<int>(std::find(rows.begin(), rows.end(), stored) - rows.begin());
    model_.bof = model_.eof = false;
    return id;
  }

  std::string Compare(const std::string& action) {
    std::ostringstream out;
    const auto fail = [&](const std::string& what) {
      out << "after " << action << ": " << what;
      return out.str();
    };
    if (action.find("did not") != std::string::npos || action.find("failed") != std::string::npos ||
        action.find("wrong") != std::string::npos || action.find("disagrees") != std::string::npos ||
        action.find("field does not") != std::string::npos || action.rfind("Locate -", 0) == 0) {
      return fail("the step itself went wrong");
    }
    const int count = model_.Count();
    if (data_set_.GetRecordCount() != count) return fail("record count " + std::to_string(data_set_.GetRecordCount()));
    if (data_set_.GetRecNo() != model_.cursor + 1) return fail("RecNo " + std::to_string(data_set_.GetRecNo()));
    if (data_set_.GetBof() != model_.bof || data_set_.GetEof() != model_.eof) return fail("Bof/Eof");
    if (data_set_.WindowSize() != ExpectedWindow()) return fail("window size " + std::to_string(data_set_.WindowSize()));
    if (data_set_.WindowRecordCount() != std::min(ExpectedWindow(), count)) return fail("window not full");
    if (const ModelRow* row = model_.Current()) {
      if (data_set_.FieldByName("ID")->AsInteger() != row->id) return fail("current ID");
      if (data_set_.FieldByName("NAME")->AsString() != row->name) return fail("current NAME");
      const DataField* amount = data_set_.FieldByName("AMOUNT");
      if (amount->IsNull() != !row->amount || (row->amount && amount->AsFloat() != std::stod(*row->amount))) {
        return fail("current AMOUNT");
      }
    }
    const std::vector<int> shown = model_.Shown();
    for (size_t l = 0; l < links_.size(); ++l) {
      ProbeLink& link = *links_[l];
      const int expected_rows = std::min(link.BufferCount(), count);
      if (link.RecordCount() != expected_rows) return fail("link " + std::to_string(l) + " shows " + std::to_string(link.RecordCount()) + " rows");
      if (count == 0) continue;
      const int active = link.ActiveRecord();
      if (active < 0 || active >= expected_rows) return fail("link " + std::to_string(l) + " active row outside its view");
      const std::vector<int> ids = link.Ids();
      for (int row = 0; row < expected_rows; ++row) {
        const int index = model_.cursor - active + row;
        if (index < 0 || index >= count || ids[static_cast<size_t>(row)] != model_.rows[static_cast<size_t>(shown[static_cast<size_t>(index)])].id) {
          return fail("link " + std::to_string(l) + " row " + std::to_string(row) + " holds the wrong record");
        }
      }
      if (data_set_.GetRecNo() != model_.cursor + 1) return fail("reading link rows moved the cursor");
    }
    return "";
  }

  std::mt19937 random_;
  Model model_;
  MemoryDataSet data_set_;
  DataSource sources_[2];
  std::vector<std::unique_ptr<ProbeLink>> links_;
  std::vector<std::pair<TBookmark, int>> marks_;
  int next_id_ = 1;
};

TEST(MemoryDataSetProperty, RandomStepsWithZeroToThreeLinksMatchTheModel) {
  for (int links = 0; links <= 3; ++links) {
    for (uint32_t seed = 1; seed <= 60; ++seed) {
      const std::string difference = Driver(seed * 7 + static_cast<uint32_t>(links), links).Run(150);
      ASSERT_EQ(difference, "") << "seed " << seed << ", " << links << " links";
    }
  }
}

}  // namespace
}  // namespace ruzi
