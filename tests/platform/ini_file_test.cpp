// The profile rules must give the same results natively and under Windows: the steps of
// tests/data/plt_ini_steps.txt, on files the steps write whole or through the writer.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/ini_file.h"
#include "test_paths.h"
#include "vector_file.h"

namespace ruzi::platform {
namespace {

TEST(IniFile, ReadsAndWritesWithProfileRules) {
  const std::string folder = testing::FreshTestFolder("ini_steps");
  auto path = [&](const std::string& name) { return folder + name; };
  testing::CheckAnswers("plt_ini_steps.txt", {
      {"File", [&](auto& a) {
         std::ofstream(path(a[0]), std::ios::binary) << a[1];
         return std::string("written");
       }},
      {"Read", [&](auto& a) { return ReadIniString(path(a[0]), a[1], a[2], a[3]); }},
      {"Int", [&](auto& a) { return std::to_string(ReadIniInteger(path(a[0]), a[1], a[2], std::stoi(a[3]))); }},
      {"Write", [&](auto& a) { return testing::Num(WriteIniString(path(a[0]), a[1], a[2], a[3])); }},
      {"Keys", [&](auto& a) {
         std::string keys;
         for (const std::string& key : ReadIniKeys(path(a[0]), a[1])) keys += (keys.empty() ? "" : "|") + key;
         return keys;
       }},
  });
}

}  // namespace
}  // namespace ruzi::platform
