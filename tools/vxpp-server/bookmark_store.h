// BookmarkStore: the bookmarks the server keeps for its clients, by id, in
// "vxpp-bookmarks.dat" of the installation (a string list of the bookmark
// bodies, rewritten whole on every change).  Safe from any thread.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>

namespace vxpp_server {

class BookmarkStore {
 public:
  static constexpr const char* kFileName = "vxpp-bookmarks.dat";

  explicit BookmarkStore(std::string installFolder);

  enum class Result { kDone, kBadBody, kExists, kUnknown, kNotSaved };
  Result Add(const std::string& body);
  Result Modify(const std::string& body);
  Result Delete(const std::string& body);
  // A string list of every bookmark body, in id order.
  std::string List();

 private:
  // Replaces the bookmark `id` by `body` (removes it for a null body) and
  // saves; the store is left as it was when saving fails.
  Result Store(uint32_t id, const std::string* body);
  void LoadOnce();

  const std::string m_path;
  std::mutex m_mutex;
  bool m_loaded = false;
  std::map<uint32_t, std::string> m_bookmarks;
};

}  // namespace vxpp_server
