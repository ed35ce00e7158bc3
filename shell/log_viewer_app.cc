#include "shell/log_viewer_app.h"

#include <atomic>
#include <mutex>

#include "config/vx_config.h"
#include "lang/log_view_language.h"
#include "platform/registry.h"

namespace {

constexpr const char* kLanguageValue = "LangID";

// Read without the lock (AfxGetLogViewerApp), changed under it.
std::atomic<CLogViewerApp*> g_instance{nullptr};
std::mutex g_instanceMutex;

// Made outside the pointer, so a reader never sees one half initialised.
CLogViewerApp* NewInitialisedApp() {
  auto app = std::make_unique<CLogViewerApp>();
  app->InitInstance();
  return app.release();
}

// The vendor key: "SOFTWARE", then the key the configuration names.
platform::RegistryKey OpenVendorKey() {
  return platform::Registry::Machine().OpenKey("SOFTWARE").OpenSubKey(
      GetVxConfig().GetDeveloperType());
}

}  // namespace

uint32_t SystemLanguageNumber() {
  // The supported-language table maps the system's language to one the
  // installation has a pack for; without a table every system language
  // comes out as English.
  return SystemLanguageForViewer();
}

CLogViewerApp::CLogViewerApp() : m_dialog(std::make_unique<CLogViewerDlg>()) {}

CLogViewerApp::~CLogViewerApp() = default;

void CLogViewerApp::InitInstance() {
  GetVxConfig();

  const platform::RegistryKey vendorKey = OpenVendorKey();
  uint32_t number = 0;
  if (!vendorKey.QueryDword(kLanguageValue, &number)) number = 0;
  if (number == 0) number = SystemLanguageNumber();
  // Written back so the host and the next start agree on the language; a key
  // that cannot be opened is left alone.
  if (vendorKey.IsOpen()) vendorKey.SetDword(kLanguageValue, number);
  languageNumber = number;
  LoadLogViewLanguage(languageNumber, nullptr);

  firstFont = {"Tahoma", 9};
  secondFont = {languageNumber == 17 || languageNumber == 30 ? "Tahoma" : "Arial", 9};
}

void CLogViewerApp::ReplaceDialog() {
  m_dialog.reset();
  m_dialog = std::make_unique<CLogViewerDlg>();
  m_dialog->SetServices(m_services);
}

void CLogViewerApp::SetServices(ViewerServices services) {
  m_services = std::move(services);
  m_dialog->SetServices(m_services);
}

CLogViewerApp& TheLogViewerApp() {
  if (CLogViewerApp* app = g_instance.load(std::memory_order_acquire)) return *app;
  std::lock_guard<std::mutex> lock(g_instanceMutex);
  if (g_instance.load(std::memory_order_relaxed) == nullptr)
    g_instance.store(NewInitialisedApp(), std::memory_order_release);
  return *g_instance.load(std::memory_order_relaxed);
}

CLogViewerApp* AfxGetLogViewerApp() { return g_instance.load(std::memory_order_acquire); }

CLogViewerApp& CreateLogViewerApp() {
  std::lock_guard<std::mutex> lock(g_instanceMutex);
  delete g_instance.exchange(nullptr);
  g_instance.store(NewInitialisedApp(), std::memory_order_release);
  return *g_instance.load(std::memory_order_relaxed);
}

void DestroyLogViewerApp() {
  std::lock_guard<std::mutex> lock(g_instanceMutex);
  delete g_instance.exchange(nullptr);
}
