#pragma once
// Random tables for the SDK packet tests, kept as a plain model that is written through the
// codec or the packer object and compared with what the reader gives back.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "packets/sdk_packet/sdk_packet_reader.h"
#include "packets/sdk_packet/sdk_packet_writer.h"

namespace ruzi::testing {

struct ModelField {
  std::string name;
  char type = 'S';
  int32_t width = 0;
  int32_t scale = 0;
};

struct ModelValue {
  int32_t number = 0;   // 'I'
  double real = 0;      // 'F'
  char letter = 0;      // 'C'
  std::string bytes;    // 'S' (no NUL), 'R' (any byte)
};

struct TableModel {
  int version = 2;
  int32_t return_code = 0;
  std::vector<ModelField> fields;
  std::vector<std::vector<ModelValue>> rows;
};

TableModel RandomTable(std::mt19937& random, int version, size_t max_rows);

void WriteTable(const TableModel& table, sdk::PacketWriter& writer);

// gtest expectations; `where` names the case in failures.
void ExpectSameTable(const TableModel& table, const sdk::PacketReader& reader, const std::string& where);

// Equal values, or both NaN of the same sign (text keeps no NaN payload).
bool SameDouble(double a, double b);

}  // namespace ruzi::testing
