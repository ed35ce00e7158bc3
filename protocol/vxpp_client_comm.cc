#include "protocol/vxpp_client_comm.h"

VXPPClientComm::~VXPPClientComm() = default;

IRPBClient* VXPPClientComm::AcquirePlaybackClient(const PlaybackClientKey& key) {
  m_lock.lock();
  auto& slot = m_clients[key];
  if (!slot) slot.reset(CreatePlaybackClient());
  if (!slot) {
    m_lock.unlock();
    return nullptr;
  }
  return slot.get();
}

void VXPPClientComm::ReleasePlaybackClient(IRPBClient*& client) {
  if (client == nullptr) return;
  client = nullptr;
  m_lock.unlock();
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
  IRPBClient* client = AcquirePlaybackClient(key);
  if (client == nullptr) return -1;
  const int result = client->SetupFileInfo(url, session, start, end, cameraIndex, recordIndex);
  ReleasePlaybackClient(client);
  return result;
}
