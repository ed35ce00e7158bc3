// CWindowModel: the headless window every control of a page is built on.
// It keeps what the platform's windows keep (window class name, text,
// visibility, enabled state, right-to-left layout, font, position, focus,
// parent and children) and tells its listeners about every change, so that
// a widget front end can mirror it and a host or a test can drive a page
// without a display.  It is the language layer's window too, so a page made
// of these models is translated by the class names of its controls.
//
// Ownership: a window never owns its children or its parent.  Pages and
// dialogs own their controls as members and link them with SetParent; a
// window that is destroyed leaves its parent's child list, and its children
// are left without a parent.  Windows are neither copied nor moved, because
// listeners and the tree hold their addresses.
//
// Threads: the user-interface thread only.
#pragma once

#include <string>
#include <vector>

#include "lang/lang_fonts.h"
#include "lang/vx_lang_window.h"
#include "ui/rect.h"
#include "ui/signal.h"

// Window class names of the controls the pages are made of; the language
// layer chooses texts and fonts by them.
inline constexpr const char* kButtonClass = "Button";
inline constexpr const char* kStaticClass = "Static";
inline constexpr const char* kComboBoxClass = "ComboBox";
inline constexpr const char* kEditClass = "Edit";
inline constexpr const char* kListViewClass = "SysListView32";
inline constexpr const char* kDateTimePickerClass = "SysDateTimePick32";
inline constexpr const char* kTabControlClass = "SysTabControl32";
inline constexpr const char* kDialogClass = "#32770";

class CWindowModel : public IVxLangWindow {
 public:
  // What changed; the derived controls report their own state with the
  // entries after kChildren.
  enum class Property {
    kText,
    kVisible,
    kEnabled,
    kLayout,
    kFont,
    kGeometry,
    kFocus,
    kChildren,
    kItems,      // entries of a combo box, tabs of a tab control
    kSelection,  // current entry, row or tab
    kValue,      // a picker's date and time
    kChecked,    // a picker's check box
    kFormat,     // a picker's display format
    kColumns,    // a list's columns
    kSort,       // a list's sort column or direction
    kStyle,      // a list's full-row selection or images; tab placement, metrics
  };
  using ChangeSlot = CSignal<Property>::Slot;

  explicit CWindowModel(std::string className, std::string text = {});
  ~CWindowModel() override;
  CWindowModel(const CWindowModel&) = delete;
  CWindowModel& operator=(const CWindowModel&) = delete;

  std::string GetClassName() const override { return m_className; }

  std::string GetWindowText() const override { return m_text; }
  void SetWindowText(const std::string& text) override;

  // Windows start visible, enabled and in the toolkit's default font (an
  // empty face name), laid out left to right unless a language pack has
  // switched the process's default layout to right to left.
  bool IsVisible() const { return m_visible; }
  void Show(bool visible);
  bool IsEnabled() const { return m_enabled; }
  void Enable(bool enabled);
  bool IsRightToLeft() const { return m_rightToLeft; }
  void SetRightToLeft(bool rightToLeft);
  const FontSpec& GetFont() const { return m_font; }
  void SetFont(const FontSpec& font) override;

  // Position in the parent's client area.
  const CRect& GetRect() const { return m_rect; }
  void MoveWindow(const CRect& rect);

  // One window of the process has the focus at a time (none at first).
  void SetFocus();
  bool HasFocus() const { return GetFocus() == this; }
  static CWindowModel* GetFocus();

  // Re-parents the window (nullptr detaches it); it joins the end of the new
  // parent's children.  Making a window its own ancestor is refused.
  bool SetParent(CWindowModel* parent);
  CWindowModel* GetParent() const { return m_parent; }
  const std::vector<CWindowModel*>& GetChildren() const { return m_children; }
  std::vector<IVxLangWindow*> GetChildWindows() override;

  // Listens to every change of this window.  Programmatic changes are
  // reported too; only an actual change of a value is reported.
  [[nodiscard]] CConnection OnChanged(ChangeSlot slot) {
    return m_changed.Connect(std::move(slot));
  }

 protected:
  void NotifyChanged(Property property) { m_changed.Emit(property); }

  // Assigns and reports when the value differs.
  template <typename T>
  void Update(T& field, const T& value, Property property) {
    if (field == value) return;
    field = value;
    NotifyChanged(property);
  }

 private:
  void DetachChild(CWindowModel* child);

  const std::string m_className;
  std::string m_text;
  bool m_visible = true;
  bool m_enabled = true;
  bool m_rightToLeft;
  FontSpec m_font;
  CRect m_rect;
  CWindowModel* m_parent = nullptr;
  std::vector<CWindowModel*> m_children;
  CSignal<Property> m_changed;
};
