// The holdings query by name through the middleware (TQXQuery: CallService, wtuxws32.dll,
// ruzi-mwd) beside the same rows read through Wine's odbc32 from the same SQLite file
// (TADOQuery), in one run: 1e5 rows, then 1e6 (goal: the named query at least as fast).
// Start the server with the rows and a database file first:
//   ruzi-mwd --port 0 --port-file P --db /tmp/h.db --holdings 1000000
//   qx_query_odbc_timing //127.0.0.1:<port> /tmp/h.db
// Each side's best of three passes counts (the machine is shared); wall time.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "library_units.h"
#include "query/ado_query.h"
#include "query/qx_data_set.h"
#include "server_argument.h"
#include "service/qx_query_call.h"
#include "service/tuxedo_entries.h"

namespace {

template <typename Open>
double BestSeconds(int expected_rows, Open open) {
  double best = 1e300;
  for (int pass = 0; pass < 3; ++pass) {
    const auto start = std::chrono::steady_clock::now();
    int rows = 0;
    try {
      rows = open();
    } catch (const std::exception& error) {
      std::fprintf(stderr, "%s\n", error.what());
      return -1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (rows != expected_rows) {
      std::fprintf(stderr, "rows: %d, expected %d\n", rows, expected_rows);
      return -1;
    }
    best = std::min(best, seconds);
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  ruzi::bench::ServerArgument server;
  if (!ruzi::bench::ReadServerArgument(argc, argv, "qx_query_odbc_timing", server) || argc < 3) {
    std::fprintf(stderr, "usage: qx_query_odbc_timing //host:port /unix/path/of/the/server.db\n");
    return 2;
  }
  // Named, so that the unit setting the datasets' call is linked into this program.
  auto* volatile query_call = &ruzi::CallForQuery;
  (void)query_call;
  if (!ruzi::bench::StartLibraryUnits()) return 1;
  ruzi::TADOConnection connection;
  connection.SetConnectionString(std::string("Driver=SQLite3;Database=") + argv[2]);
  std::printf("%-10s %12s %12s %8s\n", "rows", "named_s", "odbc_s", "odbc/named");
  int status = 0;
  for (const int rows : {100000, 1000000}) {
    const double named = BestSeconds(rows, [&] {
      ruzi::TQXQuery query;
      query.setQueryName("qx_holdings", "", rows);
      query.Open();
      return query.GetRecordCount();
    });
    const double odbc = BestSeconds(rows, [&] {
      ruzi::TADOQuery query;
      query.SetConnection(&connection);
      query.SetCacheSize(1000);
      query.SQL() = {"SELECT * FROM tholding ORDER BY l_row LIMIT " + std::to_string(rows)};
      query.Open();
      return query.GetRecordCount();
    });
    if (named < 0 || odbc < 0) status = 1;
    std::printf("%-10d %12.3f %12.3f %8.2f\n", rows, named, odbc, named > 0 ? odbc / named : 0.0);
  }
  ruzi::tpterm();
  ruzi::UnitRegistry::Instance().ShutdownAll();
  return status;
}
