#include "pages/common/host_link.h"

bool CHostLink::CanPlay(uint32_t cameraIndex, const CDateTime& time) const {
  if (window == nullptr) return false;
  const auto pointer = reinterpret_cast<platform::LPARAM>(&time);
  return window->SendMessage(platform::kMsgCanPlay, cameraIndex, pointer) != 0;
}
