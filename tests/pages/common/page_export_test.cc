#include "pages/common/page_export.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/common/camera_selector.h"
#include "pages/common/page_rows.h"
#include "platform/env.h"
#include "platform/fault_injection_env.h"
#include "platform/mem_env.h"
#include "temp_folder.h"
#include "ui/log_list_ctrl.h"

namespace {

struct Row {
  std::string time;
  int number;
};

// A page's list: rows it sorts and serves to the list by position.
class RowsPage : public IListItemProvider {
 public:
  RowsPage() {
    m_list.InsertColumn(0, "Event Time", CListColumn::Align::kCentre, 150);
    m_list.InsertColumn(1, "Event Type", CListColumn::Align::kLeft, 190);
    m_list.SetProvider(this);
  }
  void Add(std::string time, int number) {
    m_rows.push_back(std::make_shared<Row>(Row{std::move(time), number}));
    m_list.SetItemCount(static_cast<int>(m_rows.size()));
  }
  void SortByNumber(int direction) {
    StableSortRows(m_rows, [](const Row& row) { return row.number; }, direction);
    m_list.Invalidate();
  }
  std::string GetItemText(int row, int column) override {
    return column == 0 ? m_rows[row]->time : std::to_string(m_rows[row]->number);
  }
  int GetItemImage(int) override { return -1; }
  const CLogListCtrl& List() const { return m_list; }

 private:
  PageRows<Row> m_rows;
  CLogListCtrl m_list;
};

class PageExportTest : public ::testing::Test {
 protected:
  std::string Export(const std::string& name) {
    EXPECT_TRUE(ExportList(m_page.List(), m_folder.File(name), &error)) << name;
    return ReadWholeFile(m_folder.File(name));
  }
  TempFolder m_folder;
  RowsPage m_page;
  std::string error;
};

TEST_F(PageExportTest, CsvAppendsBelowOneTitleRow) {
  m_page.Add("2024/01/31 10:00:00", 5);
  EXPECT_EQ(Export("a.csv"), "Event Time,Event Type,\r\n2024/01/31 10:00:00,5,\r\n");
  m_page.Add("2024/01/31 09:00:00", 1);
  EXPECT_EQ(Export("a.csv"),
            "Event Time,Event Type,\r\n2024/01/31 10:00:00,5,\r\n"
            "2024/01/31 10:00:00,5,\r\n2024/01/31 09:00:00,1,\r\n");
  // The extension in capitals is the same form.
  EXPECT_EQ(ExportFormOf("/x/LIST.CSV"), ExportForm::kCsv);
  EXPECT_EQ(Export("b.CSV").substr(0, 23), "Event Time,Event Type,\r");
}

TEST_F(PageExportTest, TextReplacesTheFileAndKeepsTheListOrder) {
  m_page.Add("2024/01/31 10:00:00", 5);
  m_page.Add("2024/01/31 09:00:00", 1);
  m_page.Add("2024/01/31 08:00:00", 5);
  EXPECT_EQ(Export("a.txt").size(), 96u);
  m_page.SortByNumber(1);  // larger first; equal numbers keep their order
  EXPECT_EQ(Export("a.txt"),
            "Event Time, Event Type\r\n2024/01/31 10:00:00, 5\r\n"
            "2024/01/31 08:00:00, 5\r\n2024/01/31 09:00:00, 1\r\n");
  m_page.SortByNumber(0);
  EXPECT_EQ(Export("a.txt").substr(24, 24), "2024/01/31 09:00:00, 1\r\n");
}

TEST_F(PageExportTest, EmptyListsAndUnknownExtensions) {
  EXPECT_EQ(Export("empty.csv"), "Event Time,Event Type,\r\n");
  EXPECT_EQ(Export("empty.txt"), "Event Time, Event Type\r\n");
  m_page.Add("2024/01/31 10:00:00", 5);
  for (const char* name : {"list.xls", "list", "list.csv.bak"}) {
    EXPECT_FALSE(ExportList(m_page.List(), m_folder.File(name), &error));
    EXPECT_FALSE(platform::Env::Default()->FileExists(m_folder.File(name))) << name;
  }
  EXPECT_EQ(error, "only .csv and .txt files can be written");
  EXPECT_FALSE(ExportList(m_page.List(), m_folder.File("missing/list.txt"), &error));
  EXPECT_EQ(error, m_folder.File("missing/list.txt") + ": No such file or directory");
}

TEST_F(PageExportTest, FullDiskAndReadOnlyFolderAreReportedWithTheirReason) {
  platform::MemEnv mem;
  platform::FaultInjectionEnv env(&mem);
  m_page.Add("2024/01/31 10:00:00", 5);
  env.SetReadOnlyFolder("/ro");
  for (const char* path : {"/ro/list.csv", "/ro/list.txt"}) {
    EXPECT_FALSE(ExportList(m_page.List(), path, &error, &env));
    EXPECT_EQ(error, std::string(path) + ": Permission denied");
    EXPECT_FALSE(env.FileExists(path));
  }
  // A disk with room for the title row only; a big list, so that the
  // failure comes in the middle of the writing and not at the close.
  for (int i = 0; i < 20000; ++i) m_page.Add("2024/01/31 10:00:00", i);
  for (const char* path : {"/full/list.csv", "/full/list.txt"}) {
    env.SetSpaceLeft(24);
    EXPECT_FALSE(ExportList(m_page.List(), path, &error, &env));
    EXPECT_EQ(error, std::string(path) + ": No space left on device");
    EXPECT_EQ(ReadWholeFile(mem, path).size(), 24u);
  }
}

TEST(CameraSelector, AllThenNumberedCameras) {
  CComboBoxModel selector;
  selector.AddString("stale");
  FillCameraSelector(selector, {"Lobby", ""}, {7, 0});
  ASSERT_EQ(selector.GetCount(), 3);
  EXPECT_EQ(selector.GetLBText(0), "All");
  EXPECT_EQ(selector.GetItemData(0), kAllCamerasItem);
  EXPECT_EQ(selector.GetLBText(1), "[01] Lobby");
  EXPECT_EQ(selector.GetItemData(1), 7);
  EXPECT_EQ(selector.GetLBText(2), "[02] ");
  EXPECT_EQ(selector.GetCurSel(), 0);
  FillCameraSelector(selector, {}, {});
  EXPECT_EQ(selector.GetCount(), 1);
}

}  // namespace
