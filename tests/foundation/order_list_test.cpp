// TOrderList and TStrOrderList: the documented search results, and a long random run against
// std::map checking the index, the Prior/Next chain, the search's "node after which" answer
// and the release of every data block exactly once.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "foundation/order_list.h"
#include "foundation/str_order_list.h"

namespace ruzi {
namespace {

void* Block(intptr_t n) { return reinterpret_cast<void*>(n * 16 + 8); }

// Checks every invariant of the list against the model.
template <typename List, typename Key>
void ExpectMatchesModel(const List& list, const std::map<Key, void*>& model) {
  ASSERT_EQ(list.GetCount(), static_cast<int64_t>(model.size()));
  int64_t index = 0;
  const typename List::Node* previous = nullptr;
  for (const auto& [key, data] : model) {
    const auto* node = list.GetItems(index++);
    ASSERT_EQ(node->Key, key);
    ASSERT_EQ(node->Data, data);
    ASSERT_EQ(node->Prior, previous);
    ASSERT_TRUE(previous == nullptr || previous->Next == node);
    previous = node;
  }
  ASSERT_TRUE(previous == nullptr || previous->Next == nullptr);
}

// The plain search is checked against the model below; the ranged one leaves the position in
// the key variable.
TEST(OrderList, EmptyListExtremeKeysAndRangedSearch) {
  TOrderList list;
  TOrderListNode* node = reinterpret_cast<TOrderListNode*>(Block(1));
  EXPECT_FALSE(list.Search(7, node));
  EXPECT_EQ(node, nullptr);
  EXPECT_EQ(list.FindPos(7, node), -1);
  EXPECT_FALSE(list.Delete(7));
  EXPECT_EQ(list.Delete2(7), nullptr);
  // Signed order across the whole 64-bit range.
  for (int64_t key : {int64_t{7}, INT64_MIN, INT64_MAX, int64_t{-1}}) EXPECT_TRUE(list.Insert(key, nullptr));
  ExpectMatchesModel(list, std::map<int64_t, void*>{{INT64_MIN, nullptr}, {-1, nullptr}, {7, nullptr}, {INT64_MAX, nullptr}});
  const struct { int64_t key; int64_t high, low; bool found; int64_t position; } cases[] = {
      {0, 2, 0, false, 1}, {-5, 2, 1, false, 0}, {7, 3, 0, true, 2}, {INT64_MAX, 3, 1, true, 3}, {3, 0, 1, false, -1}};
  for (const auto& c : cases) {
    int64_t key = c.key;
    EXPECT_EQ(list.Search(key, node, c.high, c.low), c.found) << c.key;
    EXPECT_EQ(key, c.position) << c.key;
  }
  EXPECT_EQ(node, nullptr);  // an empty range finds nothing
}

// Random steps: insert (one, or a batch at once), delete (three ways), clear (two ways) or
// search, each checked against the model, and each block released exactly once.
template <typename List, typename Key, typename MakeKey>
void RandomRun(uint32_t seed, int steps, MakeKey make_key) {
  std::mt19937 random(seed);
  std::multiset<void*> released;  // per block, so a double free or a leak shows as a wrong count
  std::map<Key, void*> model;
  std::multiset<void*> expected_released;
  intptr_t next_block = 1;
  {
    List list([&released](void* data) { released.insert(data); });
    for (int step = 0; step < steps; ++step) {
      const Key key = make_key(random);
      const auto found = model.find(key);
      const bool present = found != model.end();
      typename List::Node* node = nullptr;
      const unsigned what = random() % 9;
      switch (what) {
        case 0:
        case 1: {
          // Now and then a null block, which is never handed to the deleter.
          void* data = next_block % 9 == 0 ? nullptr : Block(next_block);
          ++next_block;
          ASSERT_EQ(list.Insert(key, data), !present);
          if (!present) model.emplace(key, data);
          break;
        }
        case 2:
          ASSERT_EQ(list.Delete(key), present);
          if (present && found->second != nullptr) expected_released.insert(found->second);
          if (present) model.erase(found);
          break;
        case 3:
        case 4:  // not released; TOrderList's Delete2 hands the block back
          if (what == 3 || !std::is_same_v<List, TOrderList>) {
            ASSERT_EQ(list.Delete(key, false), present);
          } else if constexpr (std::is_same_v<List, TOrderList>) {
            ASSERT_EQ(list.Delete2(key), present ? found->second : nullptr);
          }
          if (present) model.erase(found);
          break;
        case 6: {
          // The first entry of a key in the batch wins unless the key is present already.
          std::vector<std::pair<Key, void*>> batch;
          std::multiset<void*> expected_dropped;
          for (size_t count = random() % 8; count > 0; --count) {
            batch.emplace_back(make_key(random), Block(next_block++));
            if (!model.insert(batch.back()).second) expected_dropped.insert(batch.back().second);
          }
          const std::vector<void*> dropped = list.InsertMany(batch);
          ASSERT_EQ(std::multiset<void*>(dropped.begin(), dropped.end()), expected_dropped);
          break;
        }
        case 5:
          if (random() % 100 == 0) {  // everything released, or (under a re-entrant lock) nodes only
            const bool release = random() % 2 == 0;
            for (const auto& entry : model) if (release && entry.second) expected_released.insert(entry.second);
            list.Lock();
            list.Lock();
            if (release) {
              ASSERT_EQ(list.ClearWithFreeData(), static_cast<int64_t>(model.size()));
            } else {
              list.Clear();
            }
            list.UnLock();
            list.UnLock();
            model.clear();
            break;
          }
          [[fallthrough]];
        default: {
          const bool hit = list.Search(key, node);
          ASSERT_EQ(hit, present);
          // Hit: the key's node. Miss: the greatest smaller key, or null.
          auto expected = model.lower_bound(key);
          const bool none = !hit && expected == model.begin();
          ASSERT_EQ(node == nullptr, none);
          ASSERT_TRUE(none || node->Key == (hit ? key : std::prev(expected)->first));
          ASSERT_EQ(list.FindPos(key, node), present ? std::distance(model.begin(), expected) : -1);
          break;
        }
      }
      if (step % 64 == 0) ExpectMatchesModel(list, model);
    }
    ExpectMatchesModel(list, model);
    for (const auto& entry : model) if (entry.second) expected_released.insert(entry.second);
  }
  EXPECT_EQ(released, expected_released);
}

TEST(OrderList, RandomOperationsAgreeWithStdMap) {
  for (uint32_t seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(seed);
    // A narrow key range makes hits, duplicates and deletes of present keys frequent.
    RandomRun<TOrderList, int64_t>(seed, 20000, [](std::mt19937& random) {
      return static_cast<int64_t>(random() % 400) - 200;
    });
    RandomRun<TOrderList, int64_t>(seed, 5000, [](std::mt19937& random) {
      return static_cast<int64_t>((static_cast<uint64_t>(random()) << 32) | random());
    });
  }
}

TEST(StrOrderList, RandomOperationsAgreeWithStdMap) {
  for (uint32_t seed : {4u, 5u, 6u}) {
    SCOPED_TRACE(seed);
    // Short keys over a few bytes, high ones included: many prefixes and shared stems; the
    // model orders bytes unsigned, so GBK sorts after ASCII as it must.
    RandomRun<TStrOrderList, std::string>(seed, 20000, [](std::mt19937& random) {
      static const char alphabet[] = {'a', 'B', 'b', '\x81', '\xFE', '0'};
      std::string key(random() % 4, '\0');
      for (char& c : key) c = alphabet[random() % sizeof alphabet];
      return key;
    });
  }
}

}  // namespace
}  // namespace ruzi
