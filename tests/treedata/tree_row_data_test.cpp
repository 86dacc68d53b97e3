// TTreeRowData's slot bytes, widening, null and read-only flags, texts and checks.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <sstream>
#include <utility>
#include <vector>

#include "foundation/convert_error.h"
#include "query/memory_data_set.h"
#include "treedata/field_buffer_defs.h"
#include "treedata/tree_dataset_link.h"
#include "treedata/tree_node.h"
#include "treedata/tree_row_data.h"
#include "vector_file.h"

namespace ruzi {
namespace {

using Bytes = std::vector<uint8_t>;

// A dataset of one field of each kind, laid out once.
class RowDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::vector<std::pair<const char*, TFieldType>> fields = {
        {"S", ftString},  {"SM", ftSmallint}, {"I", ftInteger}, {"W", ftWord},     {"B", ftBoolean},
        {"F", ftFloat},   {"C", ftCurrency},  {"D", ftDate},    {"L", ftLargeint}, {"T", ftString}};
    for (const auto& [name, type] : fields) data_set_.GetFieldDefs().Add(name, type, type == ftString ? 40 : 0);
    data_set_.Open();
    defs_.Init(&data_set_);
  }
  DataField* F(const char* name) { return data_set_.FieldByName(name); }
  std::unique_ptr<TTreeRowData> NewRow(TFieldCreateModle mode = cmInitCreate) {
    return std::make_unique<TTreeRowData>(mode, &data_set_, defs_.CacheLayout());
  }
  Bytes SlotBytes(TTreeRowData& row, const char* name) {
    const uint8_t* slot = row.GetFieldBuffer(F(name));
    return Bytes(slot, slot + kSlotHeaderSize + row.GetFieldDef(F(name)).Size);
  }

  MemoryDataSet data_set_;
  TFieldBufferDefs defs_;
};

// One row after another (tests/data/tree_row_values.txt): "row" starts the next and keeps
// the one before as the other row. A slot's bytes are its flags (bit 0 null, bit 1 read-only,
// the state from bit 2), the tag little-endian, then the value; steps apply in order
// ("tag:N", "set:TEXT", "word:N", "readonly", "restat", "reset"; "resetreadonly" and
// "restatall" for the whole row).
TEST_F(RowDataTest, LayoutSlotsAndTextsAsTheKnownAnswersSay) {
  EXPECT_EQ(defs_.GetMaxBufferSize(), 139);
  std::unique_ptr<TTreeRowData> row = NewRow(), other;
  using Args = std::vector<std::string>;
  const auto slot = [&](TTreeRowData& r, const std::string& name) {
    if (r.GetFieldBuffer(F(name.c_str())) == nullptr) return std::string("no slot");
    std::string hex;
    for (uint8_t byte : SlotBytes(r, name.c_str())) hex += "0123456789abcdef"[byte >> 4], hex += "0123456789abcdef"[byte & 15];
    return hex;
  };
  const auto step = [&](const std::string& name, const std::string& op) {
    DataField* field = F(name.c_str());
    const std::string arg = op.substr(op.find(':') + 1);
    if (op.starts_with("tag:")) row->SetFieldTag(field, std::stoi(arg));
    if (op.starts_with("set:")) row->SetFieldValue(field, arg);
    if (op.starts_with("word:")) row->SetAsWord(field, static_cast<uint16_t>(std::stoi(arg)));
    if (op == "readonly") row->SetReadOnly(field, true);
    if (op == "restat") row->ReStat(field);
    if (op == "reset") row->Reset(field);
    if (op == "resetreadonly") row->ResetReadOnlyFieldValue();  // every field's
    if (op == "restatall") row->ReStatFieldValue();
  };
  const auto steps = [&](const Args& a) {
    std::istringstream ops(a.size() > 1 ? a[1] : "");
    for (std::string op; ops >> op;) step(a[0], op);
  };
  const auto def = [&](TTreeRowData& r, const Args& a) {
    const TCacheDef d = r.GetFieldDef(F(a[0].c_str()));
    return std::to_string(d.Offset) + " " + std::to_string(d.Size) + " " + std::to_string(d.DataLen);
  };
  testing::CheckAnswers(
      "tree_row_values.txt",
      {{"layout",
        [&](const Args& a) {
          const TFieldBufferDef* d = defs_.GetDef(F(a[0].c_str()));
          return std::to_string(d->Offset()) + " " + std::to_string(d->Size());
        }},
       {"set", [&](const Args& a) {
          DataField* field = F(a[0].c_str());
          const std::string before = slot(*row, a[0]);
          try {
            row->SetFieldValue(field, a[1]);
          } catch (const ConvertError&) {
            if (slot(*row, a[0]) != before) return std::string("slot changed");
            throw;
          }
          if (!row->GetFieldNullFlag(field)) return row->GetFieldValue(field);
          return std::string(row->GetFieldValue(field).empty() && row->GetAsFloat(field) == 0 ? "null" : "null, not empty");
        }},
       {"row", [&](const Args& a) {
          if (a[0] == "readonly") data_set_.FieldByName(a[1])->SetReadOnly(true);
          other = std::exchange(row, NewRow(a[0] == "lazy" ? cmGetCreate : cmInitCreate));
          return std::string(row->GetBuffer() ? "buffer" : "no buffer");  // until its first use
        }},
       {"slot", [&](const Args& a) { return steps(a), slot(*row, a[0]); }},
       {"value", [&](const Args& a) { return steps(a), row->GetFieldValue(F(a[0].c_str())); }},
       {"tag", [&](const Args& a) { return std::to_string(row->GetFieldTag(F(a[0].c_str()))); }},
       {"currency", [&](const Args& a) { return std::to_string(row->GetAsCurrency(F(a[0].c_str()))); }},
       {"date", [&](const Args& a) { return testing::Num(row->GetAsDateTime(F(a[0].c_str()))); }},
       {"def", [&](const Args& a) { return def(*row, a); }},
       {"otherdef", [&](const Args& a) { return def(*other, a); }},
       {"size", [&](const Args&) {
          return std::to_string(row->GetBufferSize()) + (other ? " other " + std::to_string(other->GetBufferSize()) : "");
        }}});
  EXPECT_EQ(defs_.CacheLayout()->at(0).Size, 20) << "a row widens its own slots only";
}

// The tree dataset's side of checks: how often it heard of a change.
class CheckCounter : public MemoryDataSet, public ITreeDataSetLink {
 public:
  void NodeCheckChange(TsnTreeNode* Sender) override { senders.push_back(Sender); }
  bool RowSelected(int32_t SeqNo) const override { return SeqNo == 3; }
  std::vector<TsnTreeNode*> senders;
};

TEST(RowDataChecks, CheckingMarksBelowAndAboveOnceAndTellsTheDataSet) {
  CheckCounter data_set;
  data_set.Open();
  TsnTreeNode root(nullptr, false);
  TsnTreeNode* group = root.AddChild("g");
  TsnTreeNode* sub = group->AddChild("s");
  std::vector<std::unique_ptr<TTreeRowData>> rows;
  for (TsnTreeNode* node : {&root, group, sub, sub->AddChild("l")}) {
    rows.push_back(std::make_unique<TTreeRowData>(cmInitCreate, &data_set, nullptr));
    rows.back()->SetNode(node);
    rows.back()->SetSeqNo(static_cast<int32_t>(rows.size()));
    node->SetData(rows.back().get());
  }
  rows[2]->SetChecked(true);
  rows[2]->SetChecked(true);
  const std::vector<int32_t> expected{-2, -2, 1, 1};
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i]->GetCheckedState(), expected[i]) << i;
  EXPECT_EQ(data_set.senders, std::vector<TsnTreeNode*>{sub});
  rows[1]->SetChecked(false);
  EXPECT_EQ(rows[3]->GetCheckedState(), 0);
  EXPECT_FALSE(rows[2]->GetChecked());
  EXPECT_TRUE(rows[2]->GetSelected());
  EXPECT_FALSE(rows[1]->GetSelected());
}

}  // namespace
}  // namespace ruzi
