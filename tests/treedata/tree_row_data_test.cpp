// TTreeRowData's slot bytes, widening, null and read-only flags, typed values and checks.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "foundation/convert_error.h"
#include "query/memory_data_set.h"
#include "treedata/field_buffer_defs.h"
#include "treedata/tree_dataset_link.h"
#include "treedata/tree_node.h"
#include "treedata/tree_row_data.h"

namespace ruzi {
namespace {

// A dataset of one field of each kind, laid out once.
class RowDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::vector<std::pair<const char*, TFieldType>> fields = {
        {"S", ftString},  {"SM", ftSmallint}, {"I", ftInteger}, {"W", ftWord},   {"B", ftBoolean},
        {"F", ftFloat},   {"C", ftCurrency},  {"D", ftDate},    {"L", ftLargeint}, {"T", ftString}};
    for (const auto& [name, type] : fields) data_set_.GetFieldDefs().Add(name, type, type == ftString ? 40 : 0);
    data_set_.Open();
    defs_.Init(&data_set_);
  }
  DataField* F(const char* name) { return data_set_.FieldByName(name); }
  std::unique_ptr<TTreeRowData> NewRow(TFieldCreateModle mode = cmInitCreate) {
    return std::make_unique<TTreeRowData>(mode, &data_set_, defs_.CacheLayout());
  }
  std::vector<uint8_t> SlotBytes(TTreeRowData& row, const char* name) {
    const TCacheDef def = row.GetFieldDef(F(name));
    const uint8_t* slot = row.GetFieldBuffer(F(name));
    return std::vector<uint8_t>(slot, slot + kSlotHeaderSize + def.Size);
  }

  MemoryDataSet data_set_;
  TFieldBufferDefs defs_;
};

TEST_F(RowDataTest, LayoutGivesEachTypeItsSizeWithoutGaps) {
  // name, offset, value size: 20 for texts and dates, 2/4/2/1/8/8 for numbers, 4 for the rest.
  const std::vector<std::tuple<const char*, int, int>> expected = {
      {"S", 0, 20}, {"SM", 25, 2}, {"I", 32, 4}, {"W", 41, 2}, {"B", 48, 1},
      {"F", 54, 8}, {"C", 67, 8},  {"D", 80, 20}, {"L", 105, 4}, {"T", 114, 20}};
  for (const auto& [name, offset, size] : expected) {
    const TFieldBufferDef* def = defs_.GetDef(F(name));
    ASSERT_NE(def, nullptr) << name;
    EXPECT_EQ(def->Offset(), offset) << name;
    EXPECT_EQ(def->Size(), size) << name;
  }
  EXPECT_EQ(defs_.GetMaxBufferSize(), 139);
  auto row = NewRow();
  EXPECT_EQ(row->GetFieldState(F("S")), DSNoRead);
  EXPECT_EQ(row->GetBufferSize(), 139);
}

TEST_F(RowDataTest, SlotBytesAreFlagsLittleEndianTagAndValue) {
  auto row = NewRow();
  row->SetFieldTag(F("I"), 0x01020304);
  row->SetFieldValue(F("I"), "-2");
  row->SetReadOnly(F("I"), true);
  EXPECT_EQ(SlotBytes(*row, "I"), (std::vector<uint8_t>{0x06, 4, 3, 2, 1, 0xFE, 0xFF, 0xFF, 0xFF}));
  row->SetFieldValue(F("SM"), "");
  EXPECT_EQ(SlotBytes(*row, "SM"), (std::vector<uint8_t>{0x05, 0, 0, 0, 0, 0, 0}));
  row->ReStat(F("W"));
  row->SetAsWord(F("W"), 65535);
  EXPECT_EQ(SlotBytes(*row, "W"), (std::vector<uint8_t>{0x08, 0, 0, 0, 0, 0xFF, 0xFF}));
  row->SetFieldValue(F("C"), "1.5");
  std::vector<uint8_t> scaled(8);
  const int64_t value = 15000;
  std::memcpy(scaled.data(), &value, 8);
  const std::vector<uint8_t> currency = SlotBytes(*row, "C");
  EXPECT_EQ(std::vector<uint8_t>(currency.begin() + 5, currency.end()), scaled);
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

TEST_F(RowDataTest, NullNumbersReadEmptyAndTextClearsNull) {
  auto row = NewRow();
  for (const char* name : {"SM", "I", "W", "B", "F", "C"}) {
    row->SetFieldValue(F(name), "12");
    row->SetFieldValue(F(name), "");
    EXPECT_TRUE(row->GetFieldNullFlag(F(name))) << name;
    EXPECT_EQ(row->GetFieldValue(F(name)), "") << name;
    EXPECT_EQ(row->GetAsFloat(F(name)), 0) << name;
    row->SetFieldValue(F(name), "1");
    EXPECT_FALSE(row->GetFieldNullFlag(F(name))) << name;
    EXPECT_EQ(row->GetFieldValue(F(name)), "1") << name;
  }
}

TEST_F(RowDataTest, TextFormsOfValues) {
  auto row = NewRow();
  // field, text set, text read back
  const std::vector<std::tuple<const char*, std::string, std::string>> cases = {
      {"B", "True", "1"},       {"B", "false", "0"},   {"F", "13.25", "13.25"}, {"C", "-0.0001", "-0.0001"},
      {"C", "2.5", "2.5"},       {"SM", "-32768", "-32768"}, {"L", "9007199254740993", "9007199254740993"},
      {"D", "2024-01-31", "2024-01-31"}};
  for (const auto& [name, text, read] : cases) {
    row->SetFieldValue(F(name), text);
    EXPECT_EQ(row->GetFieldValue(F(name)), read) << name << " " << text;
  }
  EXPECT_EQ(row->GetAsCurrency(F("C")), 25000);
  EXPECT_DOUBLE_EQ(row->GetAsDateTime(F("D")), 45322);
}

TEST_F(RowDataTest, NonNumberRaisesAndLeavesTheSlot) {
  auto row = NewRow();
  row->SetFieldValue(F("I"), "5");
  row->SetFieldValue(F("SM"), "7");
  row->SetFieldValue(F("B"), "1");
  for (const auto& [name, text] : std::vector<std::pair<const char*, const char*>>{
           {"I", "abc"}, {"I", "99999999999"}, {"SM", "40000"}, {"B", "yes"}, {"F", "1,5"}}) {
    const std::vector<uint8_t> before = SlotBytes(*row, name);
    EXPECT_THROW(row->SetFieldValue(F(name), text), ConvertError) << name << " " << text;
    EXPECT_EQ(SlotBytes(*row, name), before) << name << " " << text;
  }
}

TEST_F(RowDataTest, ResetKeepsReadOnlyAndZeroesTheValue) {
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
  row->Reset(F("I"));
  EXPECT_EQ(SlotBytes(*row, "I"), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(RowDataTest, GetCreateAllocatesOnFirstWrite) {
  auto row = NewRow(cmGetCreate);
  EXPECT_EQ(row->GetFieldBuffer(F("I")), nullptr);
  EXPECT_EQ(row->GetFieldState(F("I")), DSNoRead);
  EXPECT_EQ(row->GetFieldValue(F("S")), "");
  row->ReStatFieldValue();
  EXPECT_EQ(row->GetBuffer(), nullptr);
  row->SetFieldValue(F("T"), "x");
  EXPECT_EQ(row->GetBufferSize(), 139);
  EXPECT_EQ(row->GetFieldValue(F("T")), "x");
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
  TsnTreeNode* leaf = sub->AddChild("l");
  std::vector<std::unique_ptr<TTreeRowData>> rows;
  int32_t seq = 0;
  for (TsnTreeNode* node : {&root, group, sub, leaf}) {
    rows.push_back(std::make_unique<TTreeRowData>(cmInitCreate, &data_set, nullptr));
    rows.back()->SetNode(node);
    rows.back()->SetSeqNo(++seq);
    node->SetData(rows.back().get());
  }
  rows[2]->SetChecked(true);
  rows[2]->SetChecked(true);
  EXPECT_EQ(rows[3]->GetCheckedState(), 1);
  EXPECT_EQ(rows[1]->GetCheckedState(), -2);
  EXPECT_EQ(rows[0]->GetCheckedState(), -2);
  EXPECT_EQ(data_set.senders, std::vector<TsnTreeNode*>{sub});
  rows[1]->SetChecked(false);
  EXPECT_EQ(rows[3]->GetCheckedState(), 0);
  EXPECT_FALSE(rows[2]->GetChecked());
  EXPECT_TRUE(rows[2]->GetSelected());
  EXPECT_FALSE(rows[1]->GetSelected());
}

}  // namespace
}  // namespace ruzi
