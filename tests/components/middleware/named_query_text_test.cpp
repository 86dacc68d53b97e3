// The server's text work, against known answers: a named query's SQL, the SHA-256 digests of cut
// requests, masked passwords and escaped control bytes.
#include <gtest/gtest.h>

#include <map>

#include "named_query_text.h"
#include "secret_mask.h"
#include "server_log.h"
#include "sha256.h"
#include "to_date_text.h"
#include "platform/ascii_case.h"
#include "vector_file.h"

namespace ruzi::testing {
namespace {

TEST(NamedQueryText, ConditionPairsMarkersAndSequencesMatchTheKnownAnswers) {
  CheckAnswers("named_query_text.txt",
               {{"pairs", [](const std::vector<std::string>& args) { return mwd::ApplyConditionPairs(args[0], args[1]); }},
                {"markers",
                 [](const std::vector<std::string>& args) {
                   std::string joined;
                   for (const std::string& name : mwd::ParameterNames(args[0])) joined += (joined.empty() ? "" : "|") + name;
                   return joined;
                 }},
                {"guard",
                 [](const std::vector<std::string>& args) -> std::string {
                   const auto block = mwd::ParseGuardedBlock(args[0]);
                   return block ? block->count_from + "|" + block->statement : "none";
                 }},
                {"nextval", [](const std::vector<std::string>& args) {
                   // Each name counts on its own, letter case ignored, as the sequence table does.
                   std::map<std::string, int64_t> counters;
                   return mwd::ReplaceNextValues(args[0], [&](const std::string& name) {
                     std::string key = name;
                     for (char& c : key) c = AsciiUpper(c);
                     return ++counters[key];
                   });
                 }}});
}

TEST(ToDateText, PicturesMatchTheKnownAnswers) {
  CheckAnswers("to_date_text.txt", {{"to_date", [](const std::vector<std::string>& args) {
                                       return mwd::ToDateText(args[0], args[1]).value_or("none");
                                     }}});
}

TEST(MiddlewareServerText, DigestsMasksAndLogTextsMatchTheKnownAnswers) {
  for (const VectorCase& c : ReadVectors("sha256_vectors.txt")) {
    std::string message;
    for (long i = 0; i < std::stol(c[0]); ++i) message += c.size() == 3 ? c[1] : "";
    EXPECT_EQ(mwd::Sha256Hex(message), c.back()) << c[0] << " x " << c[1];
  }
  CheckAnswers("mw_server_text.txt", {{"mask", [](const VectorCase& a) { return mwd::MaskSecrets(a[0]); }},
                                      {"client_text", [](const VectorCase& a) { return mwd::ClientText(a[0]); }}});
}

}  // namespace
}  // namespace ruzi::testing
