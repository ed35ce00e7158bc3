// CPictureWindow: a window whose content is a picture the presenter draws
// itself (a diagram), not controls.  Paint draws at the window's size and
// keeps the picture; OnChanged reports kValue after each paint.  A window
// front end shows Picture() and, when its widget changes size, moves the
// window and paints it again, so the window shows and "Export to..." saves
// one rendering.
//
// Threads: the user-interface thread only.
#pragma once

#include <string>
#include <utility>

#include "ui/picture.h"
#include "ui/window_model.h"

class CPictureWindow : public CWindowModel {
 public:
  explicit CPictureWindow(std::string className) : CWindowModel(std::move(className)) {}

  // Draws into a new picture of the window's size and keeps it.
  virtual void Paint() = 0;
  // The picture of the last paint; empty before the first.
  const CPicture& Picture() const { return m_picture; }

 protected:
  // Keeps `picture` as the last paint and tells the window's observers.
  void Painted(CPicture picture) {
    m_picture = std::move(picture);
    NotifyChanged(Property::kValue);
  }

 private:
  CPicture m_picture;
};
