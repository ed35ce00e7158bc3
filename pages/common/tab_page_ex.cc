#include "pages/common/tab_page_ex.h"

#include "lang/vx_trans.h"

CTabPageEx::CTabPageEx(int templateId, std::string languageSection)
    : CWindowModel(kDialogClass),
      m_templateId(templateId),
      m_languageSection(std::move(languageSection)) {}

CTabPageEx::~CTabPageEx() = default;

void CTabPageEx::Create() {
  if (m_created) return;
  m_created = true;
  Show(false);
  OnCreate();
}

void CTabPageEx::TranslatePage() { CVxTrans().TranslateDialog(m_languageSection, *this); }

platform::LRESULT CTabPageEx::WindowProc(platform::UINT message, platform::WPARAM wParam,
                                         platform::LPARAM lParam) {
  const bool forward = (message == kMsgCommand && forwardCommands) ||
                       (message == kMsgCommandUI && forwardCommandUI) ||
                       (message == kMsgNotify && forwardNotify);
  if (forward && m_forwardTarget != nullptr)
    return m_forwardTarget->SendMessage(message, wParam, lParam);
  return platform::CWnd::WindowProc(message, wParam, lParam);
}
