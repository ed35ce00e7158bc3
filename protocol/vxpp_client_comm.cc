#include "protocol/vxpp_client_comm.h"

VXPPClientComm::~VXPPClientComm() = default;

PlaybackClientLease VXPPClientComm::AcquirePlaybackClient(const PlaybackClientKey& key) {
  std::unique_lock<std::recursive_mutex> lock(m_lock);
  auto& slot = m_clients[key];
  if (!slot) slot = CreatePlaybackClient();
  if (!slot) return {};
  return {slot.get(), std::move(lock)};
}

void VXPPClientComm::SavePlaybackClients() {
  std::lock_guard<std::recursive_mutex> guard(m_lock);
  if (m_saved) return;
  m_saved = std::move(m_clients);
  m_clients.clear();
}

void VXPPClientComm::RestorePlaybackClients() {
  std::lock_guard<std::recursive_mutex> guard(m_lock);
  if (!m_saved) return;
  m_clients = std::move(*m_saved);
  m_saved.reset();
}

void VXPPClientComm::DestroyPlaybackClients() {
  std::lock_guard<std::recursive_mutex> guard(m_lock);
  for (auto& entry : m_clients) entry.second.reset();
}

int VXPPClientComm::PlaybackCall(const PlaybackClientKey& key, const std::string& url, uint32_t session,
                                 const CDateTime& start, const CDateTime& end, uint32_t cameraIndex,
                                 uint32_t recordIndex) {
  const PlaybackClientLease client = AcquirePlaybackClient(key);
  if (!client) return -1;
  return client->SetupFileInfo(url, session, start, end, cameraIndex, recordIndex);
}
