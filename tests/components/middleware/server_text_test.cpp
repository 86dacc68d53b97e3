// What the server does to client text before it stores or logs it: SHA-256 digests of cut
// requests (known answers), masked passwords, escaped control bytes.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "secret_mask.h"
#include "server_log.h"
#include "sha256.h"

namespace ruzi::testing {
namespace {

TEST(MiddlewareServerText, Sha256MatchesKnownAnswers) {
  std::ifstream in(RUZI_TEST_DATA_DIR "sha256_vectors.txt");
  std::string line;
  int checked = 0;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string repeat, text, digest;
    std::getline(fields, repeat, '\t');
    std::getline(fields, text, '\t');
    std::getline(fields, digest, '\t');
    std::string message;
    for (long i = 0; i < std::stol(repeat); ++i) message += text;
    EXPECT_EQ(mwd::Sha256Hex(message), digest) << line.substr(0, 40);
    ++checked;
  }
  EXPECT_GE(checked, 9);
}

TEST(MiddlewareServerText, PasswordItemsAreMaskedWhereverAndHoweverWritten) {
  const struct {
    const char* request;
    const char* stored;
  } cases[] = {
      {"<vc_password>s1</vc_password>", "<vc_password>******</vc_password>"},
      {"<a>1</a><VC_Password>s2</vc_PASSWORD><b>2</b>", "<a>1</a><VC_Password>******</vc_PASSWORD><b>2</b>"},
      {"<vc_capital_password>s3</vc_capital_password><vc_password>s4</vc_password>",
       "<vc_capital_password>******</vc_capital_password><vc_password>******</vc_password>"},
      {"<x><vc_password>s5</vc_password></x><vc_password>s6</vc_password>",
       "<x><vc_password>******</vc_password></x><vc_password>******</vc_password>"},
      {"<l_fund_id>1</l_fund_id><vc_capital_password>s7 unclosed", "<l_fund_id>1</l_fund_id><vc_capital_password>******"},
      {"<vc_password>", "<vc_password>******"},
      {"<vc_passwords>kept</vc_passwords><vc_pass>kept</vc_pass>", "<vc_passwords>kept</vc_passwords><vc_pass>kept</vc_pass>"},
      {"no tags < at all >", "no tags < at all >"},
  };
  for (const auto& c : cases) EXPECT_EQ(mwd::MaskSecrets(c.request), c.stored) << c.request;
}

TEST(MiddlewareServerText, ClientTextCannotBreakALogLine) {
  EXPECT_EQ(mwd::ClientText("a\nb\r\x1b[31m\x7f"), "a\\x0Ab\\x0D\\x1B[31m\\x7F");
  EXPECT_EQ(mwd::ClientText("组合\\1"), "组合\\1");  // GBK and backslashes as they are
}

}  // namespace
}  // namespace ruzi::testing
