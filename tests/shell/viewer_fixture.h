// A viewer set up like a host sets it up: a temporary installation folder
// with its registry file, the application object made on it, and a host
// window that records the messages the viewer posts to it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logview/logview.h"
#include "platform/cwnd.h"
#include "platform/message_queue.h"
#include "temp_folder.h"

class RecordingHostWindow : public platform::CWnd {
 public:
  RecordingHostWindow() : platform::CWnd(&m_queue) {}
  // Delivers what was posted and returns the messages, oldest first.
  std::vector<platform::MSG> TakeMessages();

 protected:
  platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                               platform::LPARAM lParam) override;

 private:
  platform::MessageQueue m_queue;
  std::vector<platform::MSG> m_received;
};

// The parameters of ShowLogViewerDlg with the host's usual values, so a test
// names only what it changes.
struct ShowArgs {
  int showEventLog = 0, showSystemLog = 0, showCounting = 0, showCountingDiagram = 0;
  int showMetadataLog = 0, showBackupLog = 0, showIvsLog = 0, showEdgeStorage = 0;
  int remoteCameraList = 0, serverPort = 5160;
  std::string serverAddress{};
  unsigned long userSessionNo = 0;
  CUserAccount* userAccount = nullptr;
  int cameraCount = 0, modeless = 1, show = 1, genericCameraNames = 0, nvrMode = 0;
};
void Show(platform::CWnd* parent, const ShowArgs& args);

// The message numbers of `messages`, in order.
std::vector<platform::UINT> MessageNumbers(const std::vector<platform::MSG>& messages);

class ViewerTest : public ::testing::Test {
 protected:
  void TearDown() override;

  // Writes the installation's registry file (a .reg text without its header
  // line) and makes the application object on the installation.
  void StartViewer(const std::string& registryBody = "");
  // Replaces the registry file; the registry reads it again.
  void WriteRegistry(const std::string& registryBody);
  std::string ReadRegistryFile() const;

  TempFolder m_folder;
  const std::string m_root = m_folder.Path();
  const std::string m_registryPath = m_root + "/registry.reg";
  RecordingHostWindow m_host;
};
