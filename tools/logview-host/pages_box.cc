#include "tools/logview-host/pages_box.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QSpinBox>

PagesBox::PagesBox(QWidget* parent)
    : QGroupBox("Viewer pages", parent),
      m_nvr(new QCheckBox("Recorder (NVR) pages")),
      m_generic(new QCheckBox("Generic camera names, count")),
      m_cameraCount(new QSpinBox) {
  static const char* const kTitles[] = {"Unusual events", "System log", "Counting", "Counting diagram",
                                        "Metadata", "Export and backup", "IVS", "Edge storage"};
  auto* grid = new QGridLayout(this);
  for (size_t i = 0; i < m_pages.size(); ++i) {
    m_pages[i] = new QCheckBox(kTitles[i]);
    m_pages[i]->setChecked(i < 2);
    grid->addWidget(m_pages[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
  }
  m_cameraCount->setRange(0, 128);
  m_cameraCount->setValue(16);
  grid->addWidget(m_nvr, 4, 0);
  grid->addWidget(m_generic, 5, 0);
  grid->addWidget(m_cameraCount, 5, 1);
}

PageSwitches PagesBox::Switches() const {
  PageSwitches switches;
  for (size_t i = 0; i < m_pages.size(); ++i) switches.pages[i] = m_pages[i]->isChecked() ? 1 : 0;
  switches.nvrMode = m_nvr->isChecked() ? 1 : 0;
  switches.genericCameraNames = m_generic->isChecked() ? 1 : 0;
  switches.cameraCount = m_cameraCount->value();
  return switches;
}

void PagesBox::CheckEveryPage() {
  for (QCheckBox* page : m_pages) page->setChecked(true);
}
