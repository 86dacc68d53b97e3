#pragma once
// The options `ruzi encrypt` and `ruzi decrypt` share: --cipher sm4|3des, --key-type N and
// --key K (wiped when the options go).
#include <string>

#include "command.h"

namespace ruzi::cli {

struct CipherOptions {
  bool sm4 = false;
  int key_type = 0;
  std::string key;

  // Takes the three options and checks that exactly one text argument remains.
  explicit CipherOptions(CommandContext& context);
  ~CipherOptions();
  CipherOptions(const CipherOptions&) = delete;
  CipherOptions& operator=(const CipherOptions&) = delete;
};

}  // namespace ruzi::cli
