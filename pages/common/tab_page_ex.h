// CTabPageEx: the base of every page of the viewer's tab control.  A page is
// a child dialog window ("#32770") whose controls are its child windows; it
// is built once (Create), translated under its language section, and shown
// and hidden by the tab control (CTabCtrlEx) that holds it.
//
// Command messages, command-state queries and notifications that reach the
// page are forwarded to the window the tab control names (its parent, the
// viewer dialog), each while its switch is on; all three are on when the page
// is made.  So a key that means OK or Cancel in a page reaches the dialog.
//
// Ownership: the viewer dialog owns its pages; a page owns its controls as
// members and links them to itself as children.  The owner (IViewerContext)
// and the forward target are borrowed and outlive the page.  Threads: the
// user-interface thread only.
#pragma once

#include <string>

#include "pages/common/page_controls.h"
#include "pages/common/viewer_context.h"
#include "platform/cwnd.h"
#include "ui/window_model.h"

// Window messages a page forwards.
constexpr platform::UINT kMsgCommand = 0x0111;    // wParam: command id (1 OK, 2 Cancel)
constexpr platform::UINT kMsgNotify = 0x004E;     // lParam: the notification
constexpr platform::UINT kMsgCommandUI = 0x0363;  // command-state query
constexpr platform::WPARAM kCommandOk = 1;
constexpr platform::WPARAM kCommandCancel = 2;

class CTabPageEx : public CWindowModel, public platform::CWnd {
 public:
  // `templateId` names the page's layout; `languageSection` its part of the
  // language pack ("log_viewer.unusual" ...).
  CTabPageEx(int templateId, std::string languageSection);
  ~CTabPageEx() override;

  int TemplateId() const { return m_templateId; }
  const std::string& LanguageSection() const { return m_languageSection; }

  // The dialog that owns the page; null until it says so.
  void SetOwner(IViewerContext* owner) { m_owner = owner; }
  IViewerContext* Owner() const { return m_owner; }

  // Builds the page's window and controls the first time (OnCreate); later
  // calls change nothing.  The page starts hidden: its tab shows it.
  void Create();
  bool IsCreated() const { return m_created; }

  // Empties the page's list (or drops a diagram's data), as every new
  // ShowLogViewerDlg does.
  virtual void ClearList() = 0;

  // The dialog loaded its camera list: a camera-aware page rebuilds its
  // camera selector from Owner()->CameraNames() and CameraIds().  The base
  // has no selector.
  virtual void OnCameraListLoaded() {}

  // The controls a host drives the page with.
  virtual CPageControls Controls() { return {}; }

  // Whether the user may leave the page: false keeps it current (a page
  // whose input does not validate).  The base accepts.
  virtual bool AcceptsInput() { return true; }

  // Called by the tab control when the page becomes the current one and
  // before it stops being it; the base does nothing.
  virtual void OnActivate() {}
  virtual void OnDeactivate() {}

  // Where forwarded messages go (null: nowhere); the tab control sets it.
  void SetForwardTarget(platform::CWnd* target) { m_forwardTarget = target; }
  bool forwardCommands = true;
  bool forwardCommandUI = true;
  bool forwardNotify = true;

 protected:
  // Builds the controls (made children of the page) and fills them; called
  // once, by Create.
  virtual void OnCreate() = 0;
  // Translates the page's title and fixed texts under its section.
  void TranslatePage();

  platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                               platform::LPARAM lParam) override;

 private:
  const int m_templateId;
  const std::string m_languageSection;
  IViewerContext* m_owner = nullptr;
  platform::CWnd* m_forwardTarget = nullptr;
  bool m_created = false;
};
