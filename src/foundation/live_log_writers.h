#pragma once
// Every TqxWriteLogEx alive in the process, so the library's shutdown can drain them all, and
// the instances the library owns on a host's behalf (created through the exports), which the
// unit's end step destroys if the host never did.
#include <functional>

namespace ruzi {

class TqxWriteLogEx;

class LiveLogWriters {
 public:
  static void Add(TqxWriteLogEx* writer);
  static void Remove(TqxWriteLogEx* writer);
  static void ForEach(const std::function<void(TqxWriteLogEx&)>& fn);
  // The library's end step for a host that did not shut down: each writer stops and what it
  // holds is written from the calling thread.
  static void WriteWhatIsLeft();

  // Instances handed to a host: kept until ReleaseOwned or the unit's end.
  static TqxWriteLogEx* Own(TqxWriteLogEx* writer);
  static bool ReleaseOwned(TqxWriteLogEx* writer);
  static void ReleaseAllOwned();
};

}  // namespace ruzi
