#include "vocabulary/user_account.h"

uint32_t CUserAccount::RightsOfCamera(uint32_t cameraId) const {
  if (m_userName == kChiefUserName) return kAllRights;
  if (m_cameraRights.empty()) return 0;
  const auto it = m_cameraRights.find(cameraId);
  return it != m_cameraRights.end() ? it->second : kAllRights;
}
