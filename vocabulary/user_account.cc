#include "vocabulary/user_account.h"

uint32_t CUserAccount::RightsOfCamera(uint32_t cameraId) const {
  if (m_userName == kChiefUserName) return kAllRights;
  if (m_cameraRights.empty()) return 0;
  const auto it = m_cameraRights.find(cameraId);
  return it != m_cameraRights.end() ? it->second : kAllRights;
}

uint32_t CUserAccount::RightsOfSource(uint32_t posId) const {
  const auto it = m_sourceRights.find(posId);
  if (m_userName == kChiefUserName) return it != m_sourceRights.end() ? it->second | 3u : kAllRights;
  if (m_sourceRights.empty()) return 0;
  return it != m_sourceRights.end() ? it->second : kAllRights;
}
