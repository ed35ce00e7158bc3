// A viewer context for a page's end-to-end test against vxpp-server: the
// services the dialog gives, with the library's own client.
#pragma once

#include <memory>
#include <string>

#include "pages/common/fake_viewer_context.h"
#include "protocol/vxpp_client.h"

class ServerViewerContext : public FakeViewerContext {
 public:
  std::unique_ptr<IVXPPClient> MakeClient() override { return std::make_unique<CVXPPClient>(); }
  bool DownloadEdgeEventList(const std::string& folder, const std::string& fileName) override {
    CVXPPClient client;
    client.SetPort(static_cast<uint32_t>(settings.serverPort));
    return client.SupportedEdgeEventListOfDP(ServerUrl(settings), settings.userSessionNo, folder, fileName);
  }
};
