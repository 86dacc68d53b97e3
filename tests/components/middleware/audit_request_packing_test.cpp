// How the audit keeps a request: every request comes back byte for byte, only those worth it are
// compressed, and a damaged stored row is refused rather than read as other bytes.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "audit_reader.h"
#include "audit_request_packing.h"

namespace ruzi::mwd {
namespace {

std::string Random(size_t size, unsigned seed, int alphabet) {
  std::mt19937 random(seed);
  std::string bytes;
  for (size_t i = 0; i < size; ++i) bytes.push_back(static_cast<char>(random() % alphabet));
  return bytes;
}

std::string Tagged(size_t size) {
  std::string text;
  for (int i = 0; text.size() < size; ++i) text += "<vc_code" + std::to_string(i) + ">" + std::to_string(i * 7919) + "</vc_code>";
  text.resize(size);
  return text;
}

TEST(AuditRequestPacking, EveryRequestComesBackAndOnlyThoseWorthItAreCompressed) {
  const struct {
    const char* name;
    std::string request;
    bool compressed;
  } cases[] = {
      {"empty", "", false},
      {"short", std::string(kCompressFrom - 1, 'r'), false},
      {"shortest compressed", std::string(kCompressFrom, 'r'), true},
      {"tagged 4 KB", Tagged(4096), true},
      {"zero bytes", std::string(4096, '\0'), true},
      {"random bytes do not shrink", Random(4096, 1, 256), false},
      {"64 KB of few letters", Random(65536, 2, 4), true},
  };
  for (const auto& c : cases) {
    StoredRequest stored = PackRequest(c.request);
    EXPECT_EQ(stored.compressed != 0, c.compressed) << c.name;
    if (stored.compressed != 0) {
      EXPECT_EQ(stored.compressed, static_cast<int64_t>(c.request.size())) << c.name;
      EXPECT_LE(stored.bytes.size() * 4, c.request.size() * 3) << c.name;
    } else {
      EXPECT_EQ(stored.bytes, c.request) << c.name;
    }
    EXPECT_EQ(UnpackRequest(stored.bytes, stored.compressed), c.request) << c.name;
  }
  // Sizes around the threshold and alphabets from one letter to any byte.
  for (unsigned seed = 0; seed < 200; ++seed) {
    size_t size = seed % 2 == 0 ? kCompressFrom - 8 + seed % 16 : seed * 97;
    std::string request = Random(size, seed, 1 + static_cast<int>(seed % 256));
    StoredRequest stored = PackRequest(request);
    EXPECT_TRUE(size >= kCompressFrom || stored.compressed == 0) << seed;
    ASSERT_EQ(UnpackRequest(stored.bytes, stored.compressed), request) << seed;
  }
}

// A damaged stored row is refused. The SQL function readers search with expands a compressed
// row, passes a plain one, and fails the statement on a damaged one instead of matching nothing.
TEST(AuditRequestPacking, ADamagedRowIsRefusedAndTheSqlFunctionSearchesInsideCompressedRequests) {
  const StoredRequest stored = PackRequest(Tagged(2048) + "needle" + Tagged(2048));
  ASSERT_NE(stored.compressed, 0);
  const struct {
    const char* name;
    std::string bytes;
    int64_t compressed;
  } damaged[] = {
      {"cut short", stored.bytes.substr(0, stored.bytes.size() / 2), stored.compressed},
      {"claims fewer bytes", stored.bytes, stored.compressed - 1},
      {"claims more bytes", stored.bytes, stored.compressed + 1},
      {"negative length", stored.bytes, -1},
      {"absurd length", stored.bytes, int64_t{1} << 40},
      {"not a block", std::string(64, '\xff'), 4096},
  };
  for (const auto& d : damaged) EXPECT_FALSE(UnpackRequest(d.bytes, d.compressed).has_value()) << d.name;
  // Where "needle" is and the length, or no row at all when the statement failed.
  auto ask = [](const std::string& bytes, int64_t compressed) {
    const std::string request = "audit_request(" + testing::SqlBlob(bytes) + ", " + std::to_string(compressed) + ")";
    return testing::Column(":memory:", "SELECT instr(" + request + ", 'needle') || '/' || length(" + request + ")");
  };
  EXPECT_EQ(ask(stored.bytes, stored.compressed), std::vector<std::string>{"2049/4102"});
  EXPECT_EQ(ask("plain needle", 0), std::vector<std::string>{"7/12"});
  EXPECT_EQ(ask(stored.bytes.substr(1), stored.compressed), std::vector<std::string>{});
}

}  // namespace
}  // namespace ruzi::mwd
