// ModelLink: ties a widget to the control model it shows.  It lives as a
// child of the widget, keeps the model's connections and drops them when the
// widget goes, so a model never calls into a deleted widget.  Every widget
// of the binding mirrors its model through one: the model's common state
// (visibility, enabled state, layout direction, font) at once and on every
// change, and the control's own state through `mirror`.
#pragma once

#include <QObject>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/window_model.h"

class ModelLink : public QObject {
 public:
  // `mirror` is called now and after every change the model reports, with
  // the property that changed (kText first, for the initial state).
  using Mirror = std::function<void(CWindowModel::Property)>;

  // A control follows its model's visibility; a window or a tab page
  // (`followsVisibility` false) is shown by its owner.  The widget already
  // has its parent.
  ModelLink(CWindowModel& model, QWidget& widget, Mirror mirror, bool followsVisibility = true);

  // Keeps another connection of the model (a control's user signals).
  void Keep(CConnection connection) { m_connections.push_back(std::move(connection)); }

 private:
  void MirrorCommon(CWindowModel::Property property);

  CWindowModel& m_model;
  QWidget& m_widget;
  Mirror m_mirror;
  const bool m_followsVisibility;
  std::vector<CConnection> m_connections;
};

// The widget font for a language pack's font: its face, then a face that
// every Debian desktop has, then the CJK face the setup installs; the pack's
// height in logical units at 96 dots per inch becomes points.
QFont QtFontOf(const FontSpec& font, const QFont& base);
