// CSignal: the change notifications of the control models.  A listener
// connects a function and keeps the returned CConnection; destroying or
// disconnecting the connection removes the listener.
//
// Emission is synchronous on the caller's thread (the user-interface thread;
// there is no locking).  A listener may connect or disconnect listeners, or
// destroy the connection of another, while the signal is being emitted: a
// listener disconnected during an emission is not called afterwards, and one
// connected during an emission is first called by the next emission.  A
// connection may outlive its signal; disconnecting it then does nothing.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// Owns one listener's place in a signal; move-only.
class CConnection {
 public:
  CConnection() = default;
  explicit CConnection(std::function<void()> disconnect) : m_disconnect(std::move(disconnect)) {}
  CConnection(CConnection&& other) noexcept : m_disconnect(std::exchange(other.m_disconnect, {})) {}
  CConnection& operator=(CConnection&& other) noexcept {
    if (this != &other) {
      Disconnect();
      m_disconnect = std::exchange(other.m_disconnect, {});
    }
    return *this;
  }
  CConnection(const CConnection&) = delete;
  CConnection& operator=(const CConnection&) = delete;
  ~CConnection() { Disconnect(); }

  void Disconnect() {
    if (auto disconnect = std::exchange(m_disconnect, {})) disconnect();
  }
  bool IsConnected() const { return static_cast<bool>(m_disconnect); }

 private:
  std::function<void()> m_disconnect;
};

template <typename... Args>
class CSignal {
 public:
  using Slot = std::function<void(Args...)>;

  CSignal() = default;
  CSignal(const CSignal&) = delete;
  CSignal& operator=(const CSignal&) = delete;

  [[nodiscard]] CConnection Connect(Slot slot) {
    auto listener = std::make_shared<Listener>(Listener{std::move(slot), true});
    m_listeners->push_back(listener);
    std::weak_ptr<Listeners> weakList = m_listeners;
    std::weak_ptr<Listener> weakListener = listener;
    return CConnection([weakList, weakListener] {
      auto gone = weakListener.lock();
      if (!gone) return;
      gone->connected = false;
      if (auto list = weakList.lock()) {
        std::erase(*list, gone);
      }
    });
  }

  // Calls every listener connected when the emission starts, in connection
  // order, skipping those disconnected on the way.
  void Emit(Args... args) const {
    if (m_listeners->empty()) return;
    const Listeners snapshot = *m_listeners;
    for (const auto& listener : snapshot) {
      if (listener->connected) listener->slot(args...);
    }
  }

  size_t ListenerCount() const { return m_listeners->size(); }

 private:
  struct Listener {
    Slot slot;
    bool connected;
  };
  using Listeners = std::vector<std::shared_ptr<Listener>>;

  // Shared so that connections can tell whether the signal still exists.
  std::shared_ptr<Listeners> m_listeners = std::make_shared<Listeners>();
};
