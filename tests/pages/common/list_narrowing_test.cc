// The find box, "Show similar" and the workbook export of a search page,
// over a page of two text columns that counts its searches.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "pages/common/fake_viewer_context.h"
#include "pages/common/page_rows.h"
#include "pages/common/search_log_page.h"
#include "platform/fault_injection_env.h"
#include "platform/mem_env.h"
#include "ui/edit_model.h"

namespace {

using Row = std::array<std::string, 2>;  // type, camera

class TwoColumnPage : public CSearchLogPage {
 public:
  TwoColumnPage() : CSearchLogPage(5003, "log_viewer.unusual", {"Event Type:", "Camera:"}) {}

  std::vector<Row> found;  // what the next search lists
  int searches = 0;

  std::string GetItemText(int row, int column) override { return m_rows[size_t(row)][size_t(column)]; }
  int GetItemImage(int) override { return -1; }

  // The list as shown: the cells of each row joined by "|".
  std::vector<std::string> Listed() {
    std::vector<std::string> rows;
    for (const CListRowView& row : List().DrawRows(0, List().GetItemCount()))
      rows.push_back(row.texts[0] + "|" + row.texts[1]);
    return rows;
  }

 protected:
  void OnCreate() override {
    CSearchLogPage::OnCreate();
    for (const char* camera : {"All", "[01] Door", "[02] Lobby"}) SecondSelector().AddString(camera);
    SecondSelector().SetCurSel(0);
  }
  std::vector<SelectorChoice> TypeChoices() override { return {{"All", 0}, {"Motion", 1}, {"Alarm", 2}}; }
  std::vector<PageColumn> Columns() const override {
    return {{1, 80, CListColumn::Align::kLeft}, {2, 80, CListColumn::Align::kLeft}};
  }
  void RunSearch(const CDateRange&) override {
    ++searches;
    m_rows = found;
    ShowRows();
  }
  size_t RowCount() const override { return m_rows.size(); }
  void ClearRows() override { m_rows.clear(); }
  void SortRows(int column, int direction) override {
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const Row& a, const Row& b) {
      return direction == 0 ? a[size_t(column)] < b[size_t(column)] : b[size_t(column)] < a[size_t(column)];
    });
  }
  SimilarColumns ShowSimilarColumns() const override { return {0, 1}; }

 private:
  std::vector<Row> m_rows;
};

class ListNarrowingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    page.SetOwner(&context);
    page.Create();
    page.found = {{"Motion", "[02] Lobby"}, {"Alarm", "[01] Door"}, {"Alarm", "[02] Lobby"}, {"Motion", "[01] Door"}};
    page.Controls().searchButton->Click();
  }
  CEditModel& Find() { return *page.Controls().findBox; }
  // The count shown beside the find box; empty while it is hidden.
  std::string Count() {
    for (const CWindowModel* child : page.GetChildren())
      if (child->GetWindowText().ends_with(" rows")) return child->IsVisible() ? child->GetWindowText() : "";
    return "none";
  }

  FakeViewerContext context;
  TwoColumnPage page;
};

TEST_F(ListNarrowingTest, NarrowsKeepsTheSortAndRestoresWithoutSearching) {
  const std::vector<std::string> all = page.Listed();
  CLogListCtrl& list = *page.Controls().list;
  for (const char* typed : {"l", "lo", "LOB"}) ASSERT_TRUE(Find().UserSetText(typed));
  EXPECT_EQ(page.Listed(), (std::vector<std::string>{"Motion|[02] Lobby", "Alarm|[02] Lobby"}));
  EXPECT_EQ(Count(), "2 of 4 rows");
  // A longer text narrows what is listed; a shorter one looks at every row again.
  Find().UserSetText("lobx");
  EXPECT_EQ(list.GetItemCount(), 0);
  Find().UserSetText("o");
  EXPECT_EQ(list.GetItemCount(), 4);
  Find().UserSetText("lob");

  // Sorting while narrowed sorts the rows kept.
  list.ClickHeader(0);
  EXPECT_EQ(page.Listed(), (std::vector<std::string>{"Alarm|[02] Lobby", "Motion|[02] Lobby"}));
  // One column only: the type column never names the lobby.
  page.Controls().findColumn->UserSelect(1);
  EXPECT_EQ(list.GetItemCount(), 0);
  page.Controls().findColumn->UserSelect(0);

  // Clearing the box lists every row, in the sort.
  Find().UserSetText("");
  EXPECT_EQ(Count(), "");
  EXPECT_EQ(page.Listed(),
            (std::vector<std::string>{"Alarm|[01] Door", "Alarm|[02] Lobby", "Motion|[02] Lobby", "Motion|[01] Door"}));
  EXPECT_NE(all, page.Listed());
  // The text narrows a new search's rows too.
  Find().UserSetText("lob");
  page.found.push_back({"Alarm", "[03] Lobby West"});
  page.Controls().searchButton->Click();
  EXPECT_EQ(Count(), "3 of 5 rows");
  EXPECT_EQ(page.searches, 2);
}

TEST_F(ListNarrowingTest, ShowSimilarPicksTheNarrowedRowsEntriesAndSearches) {
  CLogListCtrl& list = *page.Controls().list;
  EXPECT_EQ(list.GetRowMenu(), (std::vector<std::string>{"Same type", "Same camera", "Same type and camera"}));
  Find().UserSetText("door");  // list row 0 is page row 1: Alarm at the door
  ASSERT_TRUE(list.ChooseRowMenuItem(0, 2));
  EXPECT_EQ(page.Controls().typeSelector->GetLBText(page.Controls().typeSelector->GetCurSel()), "Alarm");
  EXPECT_EQ(page.Controls().secondSelector->GetCurSel(), 1);
  EXPECT_EQ(page.searches, 2);
  // A row whose text no entry shows searches nothing.
  page.found = {{"Tamper", "[01] Door"}};
  page.Controls().searchButton->Click();
  EXPECT_FALSE(page.ShowSimilar(0, 0));
  EXPECT_EQ(page.searches, 3);
  EXPECT_FALSE(list.ChooseRowMenuItem(0, 3));
}

TEST_F(ListNarrowingTest, WorkbookGoesThroughTheEnvAndSaysWhereItCameFrom) {
  Find().UserSetText("lobby");
  std::vector<WorkbookFact> source = page.WorkbookSource();
  const auto fact = [&](const std::string& name) {
    const auto found =
        std::find_if(source.begin(), source.end(), [&](const WorkbookFact& f) { return f.name == name; });
    return found == source.end() ? std::string("missing") : found->value;
  };
  EXPECT_EQ(fact("Rows"), "2 of 4 rows");
  EXPECT_EQ(fact("Event Type:"), "All");
  EXPECT_EQ(fact("Find"), "lobby in All columns");
  platform::MemEnv memory;
  std::string error;
  ASSERT_TRUE(ExportWorkbook(*page.Controls().list, source, "/out/book.xlsx", &error, &memory)) << error;
  std::string book;
  ASSERT_TRUE(memory.ReadFile("/out/book.xlsx", &book));
  EXPECT_EQ(book.substr(0, 2), "PK");
  platform::FaultInjectionEnv full(&memory);
  full.SetSpaceLeft(100);
  EXPECT_FALSE(ExportWorkbook(*page.Controls().list, source, "/out/full.xlsx", &error, &full));
  EXPECT_NE(error.find("/out/full.xlsx"), std::string::npos) << error;
}

// Sorting compares gathered key prefixes: the order must still be the
// texts' own, for long texts equal in their first bytes, NUL and high
// bytes, and rows of equal keys keep their order either way.
TEST(StableSortRowsTest, OrdersAsTheTextsDoAndKeepsEqualRowsInOrder) {
  struct Text {
    std::string text;
    int arrival;
  };
  const std::string shared(30, 'x');
  const std::vector<std::string> texts = {shared + "b", shared + "a", shared, "ab", std::string("ab\0", 3), "ab\x01",
                                          "\xe4", "a", "", "ab", shared + "a"};
  PageRows<Text> rows;
  for (size_t i = 0; i < texts.size(); ++i) rows.push_back(std::make_shared<Text>(Text{texts[i], static_cast<int>(i)}));
  for (int direction : {0, 1}) {
    StableSortRows(rows, [](const Text& row) -> const std::string& { return row.text; }, direction);
    for (size_t i = 1; i < rows.size(); ++i) {
      const Text& a = *rows[i - 1];
      const Text& b = *rows[i];
      if (a.text == b.text) {
        EXPECT_LT(a.arrival, b.arrival);
      } else {
        EXPECT_EQ(a.text < b.text, direction == 0) << i;
      }
    }
  }
}

}  // namespace
