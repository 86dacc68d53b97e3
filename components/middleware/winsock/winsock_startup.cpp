#include "winsock_startup.h"

#include <winsock2.h>

namespace ruzi::mw {

bool EnsureWinsock(int* error) {
  // A function-local static: started exactly once even when threads race to the first call.
  static const int started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data);
  }();
  if (error != nullptr) *error = started;
  return started == 0;
}

}  // namespace ruzi::mw
