#pragma once
// A list of text lines: the Items of list and combo boxes, the Lines of a memo. Text joins the
// lines, each ended by CR LF; setting it splits at CR LF, LF or CR. A sorted list keeps its
// lines in byte order and puts each added line in its place. The control that shows the list
// watches it through TStringsObserver, one change at a time. Belongs to its control's thread.
#include <string>
#include <string_view>
#include <vector>

#include "ruzirareva/export.h"

namespace ruzi {

class RUZI_API TStringsObserver {
 public:
  virtual ~TStringsObserver() = default;
  virtual void StringInserted(int index) = 0;
  virtual void StringDeleted(int index) = 0;
  // Every line changed at once (Clear, SetText).
  virtual void StringsReset() = 0;
  // The same lines in a new order (Sorted): line i is the one that was at from[i]. Unless
  // overridden, counted as every line changing.
  virtual void StringsMoved(const std::vector<int>& from) {
    static_cast<void>(from);
    StringsReset();
  }
};

class RUZI_API TStrings {
 public:
  TStrings() = default;
  TStrings(const TStrings&) = delete;
  TStrings& operator=(const TStrings&) = delete;

  int Count() const { return static_cast<int>(lines_.size()); }
  // The line at `index`; raises ruzi::Error "List index out of bounds (n)" outside the list.
  const std::string& Strings(int index) const;
  const std::string& operator[](int index) const { return Strings(index); }
  void SetStrings(int index, const std::string& text);

  // Adds at the end, or in order when sorted; answers the index.
  int Add(const std::string& text);
  void Insert(int index, const std::string& text);
  void Delete(int index);
  void Clear();
  // The first line equal to `text` (letter case ignored for ASCII), or -1.
  int IndexOf(std::string_view text) const;

  std::string Text() const;
  void SetText(std::string_view text);
  // The lines one by one (the Items a host fills from an array).
  void Assign(const std::vector<std::string>& lines);
  const std::vector<std::string>& Lines() const { return lines_; }

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);

  void SetObserver(TStringsObserver* observer) { observer_ = observer; }

 private:
  void CheckIndex(int index, int limit) const;
  void Reset();
  // Puts the lines in order (stable), the observer told where each came from.
  void Sort();

  std::vector<std::string> lines_;
  bool sorted_ = false;
  TStringsObserver* observer_ = nullptr;
};

}  // namespace ruzi
