// PagesBox: which tabs the host asks the viewer for, and how the viewer
// makes its camera list (ShowLogViewerDlg's switches).
#pragma once

#include <QGroupBox>
#include <array>

class QCheckBox;
class QSpinBox;

struct PageSwitches {
  // In ShowLogViewerDlg's order: event, system, counting, counting diagram,
  // metadata, export and backup, IVS, edge storage.
  std::array<int, 8> pages{};
  int nvrMode = 0;
  int genericCameraNames = 0;
  int cameraCount = 0;
};

class PagesBox : public QGroupBox {
 public:
  explicit PagesBox(QWidget* parent);

  PageSwitches Switches() const;
  // Ticks every page (the screenshots want every tab there is).
  void CheckEveryPage();

 private:
  std::array<QCheckBox*, 8> m_pages{};
  QCheckBox* m_nvr;
  QCheckBox* m_generic;
  QSpinBox* m_cameraCount;
};
