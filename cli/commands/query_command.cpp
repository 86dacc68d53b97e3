// Named queries through the middleware, as a client runs them: the names the server keeps
// (list), one of them opened (open), SQL opened as sent (sql) and a statement run (exec); and
// SQL on a database reached through ODBC, as the ADO query kind runs it (odbc).
#include "command.h"
#include "library_session.h"
#include "query/ado_query.h"
#include "query/data_field.h"
#include "query/qx_data_set.h"
#include "text_table.h"

namespace ruzi::cli {
namespace {

// Every "--param name=value" becomes a parameter of the query.
void TakeParams(CommandContext& context, TQXQuery& query) {
  for (std::string pair = context.TakeOption("param"); !pair.empty(); pair = context.TakeOption("param")) {
    const size_t equals = pair.find('=');
    if (equals == std::string::npos) throw UsageError("--param wants name=value: " + pair);
    query.getParams().CreateParam(pair.substr(0, equals)).SetAsString(pair.substr(equals + 1));
  }
}

// The rows as a table; a null cell shows as "(null)".
void PrintRows(CommandContext& context, DataSet& query) {
  std::vector<std::string> header;
  for (int f = 0; f < query.GetFieldCount(); ++f) header.push_back(query.Fields(f)->FieldName());
  TextTable table(header);
  for (query.First(); !query.GetEof(); query.Next()) {
    std::vector<std::string> cells;
    for (int f = 0; f < query.GetFieldCount(); ++f) {
      const DataField* field = query.Fields(f);
      cells.push_back(field->IsNull() ? "(null)" : field->AsString());
    }
    table.AddRow(cells);
  }
  table.Print(context);
  context.PrintLine("rows: " + std::to_string(query.GetRecordCount()));
}

// query odbc CONNECTION SQL [--exec]
int RunOdbc(CommandContext& context) {
  const bool exec = context.TakeFlag("exec");
  context.ExpectCount(3, 3);
  TADOConnection connection;
  connection.SetConnectionString(context.Arg(1));
  TADOQuery query;
  query.SetConnection(&connection);
  query.SQL() = {context.Arg(2)};
  if (exec) {
    context.PrintLine("rows affected: " + std::to_string(query.ExecSQL()));
    return 0;
  }
  query.Open();
  PrintRows(context, query);
  return 0;
}

int RunQuery(CommandContext& context) {
  if (context.Count() == 0) throw UsageError("query list|open|sql|exec|odbc");
  const std::string action = context.Arg(0);
  if (action == "odbc") return RunOdbc(context);
  LibrarySession session;
  TQXQuery query;
  TakeParams(context, query);
  if (action == "list") {
    context.ExpectCount(1, 1);
    query.setQueryName("qx_named_queries", "", 0);
  } else if (action == "open") {
    const std::string condition = context.TakeOption("condition");
    const int32_t max_rows = std::stoi(context.TakeOption("max", "0"));
    query.SetBeginDate(std::stoi(context.TakeOption("begin", "0")));
    query.SetEndDate(std::stoi(context.TakeOption("end", "0")));
    context.ExpectCount(2, 2);
    query.setQueryName(context.Arg(1), condition, max_rows);
  } else if (action == "sql" || action == "exec") {
    context.ExpectCount(2, 2);
    query.SQL() = {context.Arg(1)};
  } else {
    throw UsageError("unknown action: " + action);
  }
  if (action == "exec") {
    context.PrintLine("rows affected: " + std::to_string(query.Execute()));
    return 0;
  }
  query.Open();
  PrintRows(context, query);
  return 0;
}

const CommandRegistration kRegistration{
    {"query", "run named queries and SQL on the middleware server's database",
     "query list | query open NAME [--condition a=b;c=d] [--max N] [--begin yyyymmdd] [--end yyyymmdd] "
     "[--param name=value]... | query sql TEXT [--param name=value]... | query exec TEXT | "
     "query odbc CONNECTION-STRING TEXT [--exec]",
     RunQuery}};

}  // namespace
}  // namespace ruzi::cli
