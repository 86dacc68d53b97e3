#pragma once
// The sign-on record ("TPINIT" buffer) at the byte offsets its callers write: user name at
// 0, client name at 32, password at 64, group at 96, flags at 128.
#include <cstddef>
#include <cstdint>

namespace ruzi::wsclient {

struct TpInitRecord {
  char user_name[32];
  char client_name[32];
  char password[32];
  char group_name[32];
  int32_t flags;
  int32_t data_length;  // application data after the record; not used by our server
};

static_assert(offsetof(TpInitRecord, user_name) == 0);
static_assert(offsetof(TpInitRecord, client_name) == 32);
static_assert(offsetof(TpInitRecord, password) == 64);
static_assert(offsetof(TpInitRecord, group_name) == 96);
static_assert(offsetof(TpInitRecord, flags) == 128);
static_assert(sizeof(TpInitRecord) == 136);

}  // namespace ruzi::wsclient
