// A page over a temporary installation (install folder and log root alike)
// whose files a test writes before Create builds the page on 2024/01/31, in
// the modeless viewer, with a host window for the pages that play rows.
#pragma once

#include <gtest/gtest.h>

#include "pages/common/fake_host.h"
#include "pages/common/fake_viewer_context.h"
#include "pages/common/page_lines.h"
#include "temp_folder.h"

template <class Page>
class LocalPageTest : public ::testing::Test {
 protected:
  LocalPageTest() {
    context.installFolder = m_folder.Path();
    context.logRoot = m_folder.Path() + "/";
    context.settings.modeless = 1;
  }
  void Create() {
    page.SetOwner(&context);
    page.Create();
    if constexpr (requires { page.HostLink(); }) page.HostLink().window = &host;
    Controls().dayPicker->SetTime(CDateTime::FromFields(2024, 1, 31));
  }
  CPageControls Controls() { return page.Controls(); }
  // Searches and returns the list as drawn (with each row's image when
  // m_drawImages).
  page_test::Lines Search() {
    Controls().searchButton->Click();
    return page_test::DrawnLines(*Controls().list, m_drawImages);
  }

  bool m_drawImages = true;
  TempFolder m_folder;
  FakeViewerContext context;
  FakeHost host;
  Page page;
};
