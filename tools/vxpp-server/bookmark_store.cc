#include "tools/vxpp-server/bookmark_store.h"

#include <vector>

#include "platform/env.h"
#include "platform/paths.h"
#include "protocol/string_list.h"
#include "protocol/vxpp_bodies.h"

namespace vxpp_server {

BookmarkStore::BookmarkStore(std::string installFolder)
    : m_path(platform::JoinPath(installFolder, kFileName)) {}

void BookmarkStore::LoadOnce() {
  if (m_loaded) return;
  m_loaded = true;
  std::string contents;
  if (!platform::Env::Default()->ReadFile(m_path, &contents)) return;
  for (const std::string& body : vxpp::ReadStringList(contents)) {
    vxpp::Bookmark bookmark;
    if (vxpp::DecodeBookmark(body, &bookmark)) m_bookmarks[bookmark.id] = body;
  }
}

BookmarkStore::Result BookmarkStore::Store(uint32_t id, const std::string* body) {
  std::map<uint32_t, std::string> changed = m_bookmarks;
  if (body)
    changed[id] = *body;
  else
    changed.erase(id);
  std::vector<std::string> bodies;
  for (const auto& entry : changed) bodies.push_back(entry.second);
  if (!platform::Env::Default()->WriteFileAtomic(m_path, vxpp::WriteStringList(bodies))) return Result::kNotSaved;
  m_bookmarks = std::move(changed);
  return Result::kDone;
}

BookmarkStore::Result BookmarkStore::Add(const std::string& body) {
  vxpp::Bookmark bookmark;
  if (!vxpp::DecodeBookmark(body, &bookmark)) return Result::kBadBody;
  std::lock_guard<std::mutex> lock(m_mutex);
  LoadOnce();
  if (m_bookmarks.count(bookmark.id) != 0) return Result::kExists;
  return Store(bookmark.id, &body);
}

BookmarkStore::Result BookmarkStore::Modify(const std::string& body) {
  vxpp::Bookmark bookmark;
  if (!vxpp::DecodeBookmark(body, &bookmark)) return Result::kBadBody;
  std::lock_guard<std::mutex> lock(m_mutex);
  LoadOnce();
  if (m_bookmarks.count(bookmark.id) == 0) return Result::kUnknown;
  return Store(bookmark.id, &body);
}

BookmarkStore::Result BookmarkStore::Delete(const std::string& body) {
  vxpp::Bookmark bookmark;
  if (!vxpp::DecodeBookmark(body, &bookmark)) return Result::kBadBody;
  std::lock_guard<std::mutex> lock(m_mutex);
  LoadOnce();
  if (m_bookmarks.count(bookmark.id) == 0) return Result::kUnknown;
  return Store(bookmark.id, nullptr);
}

std::string BookmarkStore::List() {
  std::lock_guard<std::mutex> lock(m_mutex);
  LoadOnce();
  std::vector<std::string> bodies;
  for (const auto& entry : m_bookmarks) bodies.push_back(entry.second);
  return vxpp::WriteStringList(bodies);
}

}  // namespace vxpp_server
