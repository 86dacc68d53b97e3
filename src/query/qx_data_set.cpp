#include "query/qx_data_set.h"

#include <algorithm>
#include <mutex>

#include "foundation/error.h"
#include "packets/tagged_package.h"
#include "query/qx_query_reply.h"
#include "query/sql_lines.h"

namespace ruzi {
namespace {

std::mutex g_default_lock;
TQxServiceCall g_default_call;

TQxServiceCall DefaultCall() {
  std::lock_guard<std::mutex> guard(g_default_lock);
  return g_default_call;
}

}  // namespace

TQxDataSet::TQxDataSet(TComponent* owner) : MemoryDataSet(owner) {}

TQxDataSet::~TQxDataSet() {
  if (GetActive()) Close();
}

void TQxDataSet::SetDefaultServiceCall(TQxServiceCall call) {
  std::lock_guard<std::mutex> guard(g_default_lock);
  g_default_call = std::move(call);
}

void TQxDataSet::setQueryName(const std::string& name, const std::string& condition, int32_t max_rows) {
  query_name_ = name;
  condition_ = condition;
  max_rows_ = max_rows;
}

std::string TQxDataSet::Request(int64_t cursor) {
  TqxPackage request;
  // A later page of the statement the server ran for the first.
  if (cursor > 0) {
    request.Add("l_cursor", cursor);
    return request.GetText();
  }
  if (!query_name_.empty()) {
    request.Add("vc_query_name", query_name_);
  } else {
    request.Add("vc_sql", SqlText(sql_));
  }
  request.Add("vc_condition", condition_);
  request.Add("l_begin_date", begin_date_);
  request.Add("l_end_date", end_date_);
  request.Add("l_max_rows", max_rows_);
  request.Add("l_connect_no", connect_no_);
  if (data_base_ != nullptr) request.Add("vc_database", data_base_->GetDataBaseName());
  for (int i = 0; i < params_.Count(); ++i) {
    const Param& param = params_.Items(i);
    if (!param.IsNull()) request.Add(param.Name, param.AsString());
  }
  return request.GetText();
}

std::string TQxDataSet::CallServer(const std::string& request) const {
  const TQxServiceCall call = call_ ? call_ : DefaultCall();
  if (!call) throw Error("命名查询无法调用服务：未连接中间件");
  std::string reply;
  const int32_t result = call("qx_query", request, reply, kCallTimeout);
  // A failure of the call itself leaves a message rather than a reply in the output.
  if (result < 0) throw Error(reply.empty() ? "命名查询调用失败：" + std::to_string(result) : reply);
  return reply;
}

void TQxDataSet::InternalOpen() {
  EmptyDataSet();
  GetFieldDefs().Clear();
  std::vector<QxReplyField> fields;
  int64_t cursor = 0;
  for (bool first_page = true;; first_page = false) {
    QxReplyPage page = DecodeQueryReply(CallServer(Request(cursor)));
    if (page.Code != 0) throw Error(page.Message);
    if (page.RowsAffected >= 0) throw Error("查询没有返回数据集");
    if (first_page) fields = page.Fields;
    // A text is as wide as its longest value in any page.
    for (size_t f = 0; f < fields.size() && f < page.Fields.size(); ++f) {
      fields[f].Size = std::max(fields[f].Size, page.Fields[f].Size);
    }
    for (PackedRow& row : page.Rows) AddRow(std::move(row));
    const bool enough = max_rows_ > 0 && StoredRowCount() >= max_rows_;
    if (!page.More || enough || page.Rows.empty() || page.Cursor <= 0) break;
    cursor = page.Cursor;
  }
  for (const QxReplyField& field : fields) GetFieldDefs().Add(field.Name, field.Type, field.Size);
  MemoryDataSet::InternalOpen();
}

int32_t TQxDataSet::Execute() {
  if (GetActive()) Close();
  const QxReplyPage page = DecodeQueryReply(CallServer(Request(0)));
  if (page.Code != 0) throw Error(page.Message);
  return page.RowsAffected >= 0 ? static_cast<int32_t>(page.RowsAffected) : 0;
}

}  // namespace ruzi
