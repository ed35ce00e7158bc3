// CPageClient: the one protocol client a page keeps for its life, made
// through the viewer context on first use and again only when the viewer's
// nvrMode changed (a client reads answers as the recorder kind it was made
// for words them).  Threads: the user-interface thread only.
#pragma once

#include <functional>
#include <memory>

#include "pages/common/viewer_context.h"

class CPageClient {
 public:
  // The client, on the port of `owner`'s settings; a new one calls
  // `waitTick` while it waits for the server (see IVXPPClient::SetWaitTick).
  IVXPPClient& Get(IViewerContext& owner, const std::function<void()>& waitTick = {}) {
    const ViewerSettings& settings = owner.Settings();
    if (!m_client || m_nvrMode != settings.nvrMode) {
      m_client = owner.MakeClient();
      m_nvrMode = settings.nvrMode;
      if (waitTick) m_client->SetWaitTick(waitTick);
    }
    m_client->SetPort(static_cast<uint32_t>(settings.serverPort));
    return *m_client;
  }

 private:
  std::unique_ptr<IVXPPClient> m_client;
  int m_nvrMode = 0;  // the settings' nvrMode when m_client was made
};
