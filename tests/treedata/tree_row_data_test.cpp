// TTreeRowData's slot bytes, widening, null and read-only flags, typed values and checks.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
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

TEST_F(RowDataTest, LayoutAndTextsAsTheKnownAnswersSay) {
  EXPECT_EQ(defs_.GetMaxBufferSize(), 139);
  auto row = NewRow();
  testing::CheckAnswers(
      "tree_row_values.txt",
      {{"layout",
        [&](const std::vector<std::string>& a) {
          const TFieldBufferDef* def = defs_.GetDef(F(a[0].c_str()));
          return std::to_string(def->Offset()) + " " + std::to_string(def->Size());
        }},
       {"set", [&](const std::vector<std::string>& a) {
          DataField* field = F(a[0].c_str());
          const Bytes before = SlotBytes(*row, a[0].c_str());
          try {
            row->SetFieldValue(field, a[1]);
          } catch (const ConvertError&) {
            if (SlotBytes(*row, a[0].c_str()) != before) return std::string("slot changed");
            throw;
          }
          if (!row->GetFieldNullFlag(field)) return row->GetFieldValue(field);
          return std::string(row->GetFieldValue(field).empty() && row->GetAsFloat(field) == 0 ? "null" : "null, not empty");
        }}});
  EXPECT_EQ(row->GetBufferSize(), 139 + 17 - 4);  // L's 4 bytes widened for 16 digits
  EXPECT_EQ(row->GetAsCurrency(F("C")), 25000);
  EXPECT_DOUBLE_EQ(row->GetAsDateTime(F("D")), 45322);
}

// Each step writes one slot and expects its bytes: flags (bit 0 null, bit 1 read-only, the
// state from bit 2), the tag little-endian, then the value.
TEST_F(RowDataTest, SlotBytesAreFlagsLittleEndianTagAndValue) {
  auto row = NewRow();
  EXPECT_EQ(row->GetFieldState(F("S")), DSNoRead);
  const int64_t scaled = 15000;
  Bytes currency{0x04, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  std::memcpy(currency.data() + 5, &scaled, 8);
  const std::vector<std::tuple<std::function<void()>, const char*, Bytes>> steps = {
      {[&] { row->SetFieldTag(F("I"), 0x01020304), row->SetFieldValue(F("I"), "-2"), row->SetReadOnly(F("I"), true); },
       "I", {0x06, 4, 3, 2, 1, 0xFE, 0xFF, 0xFF, 0xFF}},
      {[&] { row->SetFieldValue(F("SM"), ""); }, "SM", {0x05, 0, 0, 0, 0, 0, 0}},
      {[&] { row->ReStat(F("W")), row->SetAsWord(F("W"), 65535); }, "W", {0x08, 0, 0, 0, 0, 0xFF, 0xFF}},
      {[&] { row->SetFieldValue(F("C"), "1.5"); }, "C", currency},
      {[&] { row->Reset(F("I")); }, "I", {0x02, 4, 3, 2, 1, 0, 0, 0, 0}}};
  for (const auto& [step, name, bytes] : steps) {
    step();
    EXPECT_EQ(SlotBytes(*row, name), bytes) << name;
  }
  EXPECT_EQ(row->GetFieldTag(F("I")), 0x01020304);
}

TEST_F(RowDataTest, TwentyCharactersWidenOnlyThatSlotAndKeepLaterSlots) {
  auto row = NewRow();
  auto other = NewRow();
  row->SetFieldValue(F("I"), "77");
  row->SetFieldValue(F("T"), "later");
  row->SetFieldTag(F("T"), -5);
  row->SetFieldValue(F("S"), std::string(19, 'x'));
  EXPECT_EQ(row->GetBufferSize(), 139);
  row->SetFieldValue(F("S"), std::string(20, 'y'));
  EXPECT_EQ(row->GetBufferSize(), 140);
  EXPECT_EQ(row->GetFieldDef(F("S")).Size, 21);
  EXPECT_EQ(row->GetFieldDef(F("S")).DataLen, 20);
  EXPECT_EQ(row->GetFieldDef(F("I")).Offset, 33);
  EXPECT_EQ(row->GetFieldValue(F("S")), std::string(20, 'y'));
  EXPECT_EQ(row->GetFieldValue(F("I")), "77");
  EXPECT_EQ(row->GetFieldValue(F("T")), "later");
  EXPECT_EQ(row->GetFieldTag(F("T")), -5);
  // The widening is this row's alone.
  EXPECT_EQ(other->GetFieldDef(F("I")).Offset, 32);
  EXPECT_EQ(other->GetBufferSize(), 139);
  EXPECT_EQ(defs_.CacheLayout()->at(0).Size, 20);
}

TEST_F(RowDataTest, ResetKeepsReadOnlyAndGetCreateAllocatesOnFirstWrite) {
  data_set_.FieldByName("F")->SetReadOnly(true);
  auto row = NewRow();
  EXPECT_TRUE(row->GetReadOnly(F("F")));
  row->SetFieldValue(F("F"), "3.5");
  row->SetFieldValue(F("I"), "4");
  row->ResetReadOnlyFieldValue();
  EXPECT_TRUE(row->GetReadOnly(F("F")));
  EXPECT_EQ(row->GetFieldState(F("F")), DSNoRead);
  EXPECT_EQ(row->GetAsFloat(F("F")), 0);
  EXPECT_TRUE(row->HaveRead(F("I")));

  auto lazy = NewRow(cmGetCreate);
  EXPECT_EQ(lazy->GetFieldBuffer(F("I")), nullptr);
  EXPECT_EQ(lazy->GetFieldState(F("I")), DSNoRead);
  EXPECT_EQ(lazy->GetFieldValue(F("S")), "");
  lazy->ReStatFieldValue();
  EXPECT_EQ(lazy->GetBuffer(), nullptr);
  lazy->SetFieldValue(F("T"), "x");
  EXPECT_EQ(lazy->GetBufferSize(), 139);
  EXPECT_EQ(lazy->GetFieldValue(F("T")), "x");
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
