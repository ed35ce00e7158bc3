#include "ui/export_file_dialog.h"

#include <gtest/gtest.h>

namespace {

class ExportFileDialogTest : public ::testing::Test {
 protected:
  // Runs a dialog whose user picks `path` (nothing: Cancel); the chosen path or "cancel".
  static std::string Choose(std::optional<std::string> path) {
    CExportFileDialog dialog;
    return dialog.DoModal([path](const CExportFileDialog&) { return path; }) == CExportFileDialog::kIdOk
               ? dialog.GetPathName()
               : "cancel";
  }
};

TEST_F(ExportFileDialogTest, FiltersAndDefaultExtension) {
  CExportFileDialog dialog;
  EXPECT_EQ(dialog.GetDefaultExtension(), "csv");
  ASSERT_EQ(dialog.GetFilters().size(), 2u);
  EXPECT_EQ(dialog.GetFilters()[0].description, "CSV Files (*.csv)");
  EXPECT_EQ(dialog.GetFilters()[0].pattern, "*.csv");
  EXPECT_EQ(dialog.GetFilters()[1].description, "Text Files (*.txt)");
  EXPECT_EQ(dialog.GetFilters()[1].pattern, "*.txt");
  CExportFileDialog system("Excel Files (*.csv)|*.csv|Text Files (*.txt)|*.txt||");
  EXPECT_EQ(system.GetFilters()[0].description, "Excel Files (*.csv)");
  EXPECT_EQ(CExportFileDialog("Broken|").GetFilters().size(), 0u);
}

TEST_F(ExportFileDialogTest, ChosenPathGetsTheDefaultExtensionWhenItHasNone) {
  EXPECT_EQ(Choose(std::nullopt), "cancel");
  EXPECT_EQ(Choose(""), "cancel");
  EXPECT_EQ(Choose("/tmp/out/report"), "/tmp/out/report.csv");
  EXPECT_EQ(Choose("/tmp/v1.2/report"), "/tmp/v1.2/report.csv");
  EXPECT_EQ(Choose("/tmp/report.TXT"), "/tmp/report.TXT");
  EXPECT_EQ(CExportFileDialog().DoModal(nullptr), CExportFileDialog::kIdCancel);
  CExportFileDialog text(CExportFileDialog::kDefaultFilter, "txt");
  text.DoModal([](const CExportFileDialog&) { return std::optional<std::string>("/tmp/report"); });
  EXPECT_EQ(text.GetPathName(), "/tmp/report.txt");
}

TEST_F(ExportFileDialogTest, FolderHookActsOnlyWhenTheFolderChanges) {
  CExportFileDialog dialog;
  dialog.OnInitDone();
  EXPECT_FALSE(dialog.SwallowsListMessage(CExportFileDialog::kContextMenu));
  EXPECT_TRUE(dialog.OnFolderChange("/home/user"));
  EXPECT_FALSE(dialog.OnFolderChange("/home/user"));
  EXPECT_TRUE(dialog.SwallowsListMessage(CExportFileDialog::kContextMenu));
  EXPECT_TRUE(dialog.SwallowsListMessage(CExportFileDialog::kRightButtonDown));
  EXPECT_TRUE(dialog.SwallowsListMessage(CExportFileDialog::kRightButtonUp));
  EXPECT_FALSE(dialog.SwallowsListMessage(0x0201));  // left button
  const std::string deep(CExportFileDialog::kMaxFolderLength, 'd');
  EXPECT_TRUE(dialog.OnFolderChange(deep + "/a"));
  EXPECT_FALSE(dialog.OnFolderChange(deep + "/b"));  // same first 260 characters
  dialog.OnInitDone();  // opening again forgets the folder
  EXPECT_TRUE(dialog.OnFolderChange(deep));
}

}  // namespace
