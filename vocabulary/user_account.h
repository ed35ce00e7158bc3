// CUserAccount: the host's logged-in user as the viewer sees it.  The host
// makes and owns the object and hands the viewer a pointer (ShowLogViewerDlg);
// the viewer only reads it, on the user-interface thread, while the viewer is
// shown.  A null pointer means no user filtering.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

class CUserAccount {
 public:
  // Rights word of a camera: bit 0 = the user may view it.
  static constexpr uint32_t kMayView = 1;
  static constexpr uint32_t kAllRights = 65535;
  // The account whose cameras are never restricted.
  static constexpr const char* kChiefUserName = "chief";

  CUserAccount() = default;
  explicit CUserAccount(std::string userName, std::map<uint32_t, uint32_t> cameraRights = {})
      : m_userName(std::move(userName)), m_cameraRights(std::move(cameraRights)) {}

  const std::string& GetUserName() const { return m_userName; }
  void SetUserName(std::string userName) { m_userName = std::move(userName); }

  // Camera id -> rights word.
  const std::map<uint32_t, uint32_t>& GetCameraRights() const { return m_cameraRights; }
  void SetCameraRights(uint32_t cameraId, uint32_t rights) { m_cameraRights[cameraId] = rights; }

  // The rights word of a camera.  The chief may see everything (65535); any
  // other user sees nothing when the account lists no camera at all (0), a
  // listed camera with its listed word, and an unlisted one with 65535.
  uint32_t RightsOfCamera(uint32_t cameraId) const;

  // Metadata source number -> rights word, read by the same rule, except
  // that the chief's listed word comes back with bits 0 and 1 set.
  const std::map<uint32_t, uint32_t>& GetSourceRights() const { return m_sourceRights; }
  void SetSourceRights(uint32_t posId, uint32_t rights) { m_sourceRights[posId] = rights; }
  uint32_t RightsOfSource(uint32_t posId) const;

 private:
  std::string m_userName;
  std::map<uint32_t, uint32_t> m_cameraRights;
  std::map<uint32_t, uint32_t> m_sourceRights;
};
