#include "ui/window_model.h"

#include <algorithm>
#include <utility>

#include "lang/vx_lang.h"

namespace {

// The focus belongs to the process, as on the platform; only the
// user-interface thread touches it.
CWindowModel* g_focus = nullptr;

}  // namespace

CWindowModel::CWindowModel(std::string className, std::string text)
    : m_className(std::move(className)),
      m_text(std::move(text)),
      m_rightToLeft(CVxLang::Instance().DefaultLayoutRightToLeft()) {}

CWindowModel::~CWindowModel() {
  if (g_focus == this) g_focus = nullptr;
  if (m_parent) m_parent->DetachChild(this);
  for (CWindowModel* child : m_children) child->m_parent = nullptr;
}

void CWindowModel::SetWindowText(const std::string& text) { Update(m_text, text, Property::kText); }
void CWindowModel::Show(bool visible) { Update(m_visible, visible, Property::kVisible); }
void CWindowModel::Enable(bool enabled) { Update(m_enabled, enabled, Property::kEnabled); }
void CWindowModel::SetRightToLeft(bool rightToLeft) {
  Update(m_rightToLeft, rightToLeft, Property::kLayout);
}
void CWindowModel::SetFont(const FontSpec& font) { Update(m_font, font, Property::kFont); }
void CWindowModel::MoveWindow(const CRect& rect) { Update(m_rect, rect, Property::kGeometry); }

std::vector<IVxLangWindow*> CWindowModel::GetChildWindows() {
  return std::vector<IVxLangWindow*>(m_children.begin(), m_children.end());
}

CWindowModel* CWindowModel::GetFocus() { return g_focus; }

void CWindowModel::SetFocus() {
  CWindowModel* previous = g_focus;
  if (previous == this) return;
  g_focus = this;
  // Both windows hear of it, the one losing the focus first, as a widget
  // loses its focus before the next one gains it.
  if (previous) previous->NotifyChanged(Property::kFocus);
  NotifyChanged(Property::kFocus);
}

bool CWindowModel::SetParent(CWindowModel* parent) {
  if (parent == m_parent) return true;
  for (CWindowModel* ancestor = parent; ancestor; ancestor = ancestor->m_parent) {
    if (ancestor == this) return false;
  }
  if (m_parent) m_parent->DetachChild(this);
  m_parent = parent;
  if (parent) {
    parent->m_children.push_back(this);
    parent->NotifyChanged(Property::kChildren);
  }
  return true;
}

void CWindowModel::DetachChild(CWindowModel* child) {
  auto it = std::find(m_children.begin(), m_children.end(), child);
  if (it == m_children.end()) return;
  m_children.erase(it);
  NotifyChanged(Property::kChildren);
}
