#pragma once
// A TQxPack driven by a script of tests/data/: each line a method, its arguments and the
// answer (bool results as 1/0, a failed GetValue as "failed <what the variable kept>").
#include <string>

namespace ruzi::testing {

void RunQxPackScript(const std::string& file);

}  // namespace ruzi::testing
