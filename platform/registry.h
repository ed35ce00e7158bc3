// Registry: the machine-wide registry (HKEY_LOCAL_MACHINE) as the viewer
// reads it through the Windows "A" functions, held in a .reg export file.
//
// The machine's file is $LOGVIEW_REGISTRY, else "registry.reg" in the
// installation folder.  It is read on first use, and again by Refresh when
// another program changed it; a missing file is an empty registry, and a file
// that cannot be read or is no registry export is an empty registry with one
// line on the debug output naming the file and the line.  A line that cannot
// be read is skipped with a debug line naming it (the first 20 of them, then
// their count); the rest of the file counts.
//
// Keys are opened in the 32-bit view: a path "SOFTWARE\X\..." is looked up
// as "SOFTWARE\WOW6432Node\X\..." first, then as written.  Names handed in
// and handed out are in the system code page; so is the data of string
// values.
//
// Thread use: a Registry may be used from any thread.  Readers see one
// version of the file at a time; SetDword, Reload and Refresh swap in a new
// one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "platform/env.h"
#include "platform/registry_tree.h"

namespace platform {

class Registry;

// Outcomes of a query, numbered as Windows numbers them.
enum RegStatus : long {
  kRegOk = 0,          // ERROR_SUCCESS
  kRegNotFound = 2,    // ERROR_FILE_NOT_FOUND: no such value, or the key is gone
  kRegMoreData = 234,  // ERROR_MORE_DATA: the data is larger than the caller allows
};

struct RegValue {
  uint32_t type = REG_NONE;
  // Bytes of data as the caller receives them (also when they did not fit).
  size_t size = 0;
  // REG_DWORD: 4 bytes little-endian.  String types: text in the system
  // code page; a value stored with its terminating zero (every "..." value
  // of a .reg file) keeps it, counted in `size`.  Empty unless kRegOk.
  std::string data;
};

// An open key, like an HKEY.  Cheap to copy.  It holds the path where the
// key was found, and reads the registry's current version there: after a
// reload it reads the same key in the new file, and a key removed by the
// reload answers kRegNotFound.  The Registry must outlive its keys.
class RegistryKey {
 public:
  RegistryKey() = default;  // not open

  bool IsOpen() const { return m_registry != nullptr; }

  // RegOpenKeyExA on this key: `name` may be a relative path ("A\B"); an
  // empty name opens this key again.  Not open when there is no such key.
  RegistryKey OpenSubKey(std::string_view name) const;

  // RegQueryValueExA with a buffer of `maxSize` bytes; "" is the default value.
  RegStatus QueryValue(std::string_view name, size_t maxSize, RegValue* value) const;
  // True when the value is a REG_DWORD of 4 bytes.
  bool QueryDword(std::string_view name, uint32_t* value) const;

  // RegEnumKeyExA: the name of the sub-key at `index`, in the order the file
  // first names them; false past the last one.
  bool EnumSubKey(size_t index, std::string* name) const;

  // RegSetValueExA of a REG_DWORD.  The file is rewritten atomically in its
  // own encoding with only this value's line changed or added.  False when
  // the key is gone, the file cannot be read or parsed, or the write fails
  // (the file is then as it was).
  bool SetDword(std::string_view name, uint32_t value) const;

 private:
  friend class Registry;
  RegistryKey(Registry* registry, std::string path, std::string realPath)
      : m_registry(registry), m_path(std::move(path)), m_realPath(std::move(realPath)) {}

  Registry* m_registry = nullptr;
  std::string m_path;      // as opened, below HKEY_LOCAL_MACHINE, UTF-8
  std::string m_realPath;  // where the key was found, root spelled out, UTF-8
};

class Registry {
 public:
  // The machine's registry, shared by the whole process.
  static Registry& Machine();

  // A registry read from `path` through `env` on first use.  An empty path
  // is the machine's file; a null env is Env::Default().  `env` must
  // outlive the registry.
  explicit Registry(std::string path = "", Env* env = nullptr);
  Registry(const Registry&) = delete;
  Registry& operator=(const Registry&) = delete;

  // Points the registry at another file (hosts and tests); it is read on
  // next use.  Arguments as for the constructor.
  void UseFile(std::string path, Env* env = nullptr);
  // Reads the file again at once.
  void Reload();
  // Reads the file again when it changed since it was read: its modification
  // time or size differ, or it appeared or went away.  Nothing when it has
  // not been read yet.
  void Refresh();
  // The file read: the given path, else $LOGVIEW_REGISTRY, else
  // "registry.reg" in the installation folder.
  std::string FilePath() const;

  // RegOpenKeyExA(HKEY_LOCAL_MACHINE, path) in the 32-bit view.
  RegistryKey OpenKey(std::string_view path);

 private:
  friend class RegistryKey;

  std::shared_ptr<const RegistryTree> Tree();
  // Where the 32-bit view finds `path` (UTF-8, below HKEY_LOCAL_MACHINE).
  static std::optional<std::string> Resolve(const RegistryTree& tree, std::string_view path);
  RegistryKey Open(std::string path);
  bool SetDword(const std::string& realPath, std::string_view name, uint32_t value);
  std::string FilePathLocked() const;
  std::shared_ptr<const RegistryTree> LoadLocked();
  std::optional<FileStamp> StampLocked() const;

  mutable std::mutex m_mutex;
  std::string m_path;
  Env* m_env;
  std::shared_ptr<const RegistryTree> m_tree;  // null until read
  std::optional<FileStamp> m_stamp;            // of the file m_tree was read from; none: no file
};

}  // namespace platform
