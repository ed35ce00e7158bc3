// The combined-counter list and the analytics device table read from the
// installation's filter files, and the table made of a server's lists.
#include <gtest/gtest.h>

#include "platform/code_page.h"
#include "store/combined_counter_list.h"
#include "store/ivs_device_table.h"
#include "temp_folder.h"

namespace {

class CounterListsTest : public ::testing::Test {
 protected:
  void Counters(const std::string& entries) {
    m_folder.Write(kCombinedCounterFilterFile, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<List>" + entries + "</List>");
  }
  void Devices(const std::string& servers) {
    m_folder.Write(kIvsFilterFile, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<IVS>" + servers + "</IVS>");
  }
  static std::string Counter(const std::string& id, const std::string& name) {
    return "<C><CounterID>" + id + "</CounterID><CounterName>" + name + "</CounterName></C>";
  }
  static std::string Device(int id, const std::string& name, int camera, int index) {
    return "<D><DeviceID>" + std::to_string(id) + "</DeviceID><DeviceName>" + name + "</DeviceName><CameraID>" +
           std::to_string(camera) + "</CameraID><Index>" + std::to_string(index) + "</Index></D>";
  }
  static std::string Server(const std::string& name, const std::string& devices) {
    return "<S><ServerName>" + name + "</ServerName><Devices>" + devices + "</Devices></S>";
  }

  TempFolder m_folder;
};

TEST_F(CounterListsTest, CombinedCountersByIdWithTheirNames) {
  EXPECT_TRUE(ReadCombinedCounterList(m_folder.Path()).empty());  // no file
  platform::SetSystemCodePage(1252);
  Counters(Counter("2", "Shop Floor") + Counter("1", "Entr\xC3\xA9" "e") + Counter("2", "Shop") + Counter("", "None"));
  EXPECT_EQ(ReadCombinedCounterList(m_folder.Path()),
            (CombinedCounterList{{0, "None"}, {1, "Entr\xE9" "e"}, {2, "Shop"}}));
  platform::SetSystemCodePage(0);
  // One counter without a name spoils the whole list.
  Counters(Counter("1", "A") + "<C><CounterID>2</CounterID></C>");
  EXPECT_TRUE(ReadCombinedCounterList(m_folder.Path()).empty());
  m_folder.Write(kCombinedCounterFilterFile, "<List><C>");
  EXPECT_TRUE(ReadCombinedCounterList(m_folder.Path()).empty());
}

TEST_F(CounterListsTest, AnalyticsDevicesByServerAndId) {
  Devices(Server("North", Device(4, "Gate", 1, 0) + Device(4, "Later", 2, 1) + Device(2, "Dock", 6, 2)) +
          Server("East", Device(4, "Fence", 101, 3)));
  const IVSDeviceTable table = ReadIVSDeviceTable(m_folder.Path());
  ASSERT_EQ(table.size(), 2u);
  // The same id under two servers: both kept; twice under one: the first.
  EXPECT_EQ(table.at("East").at(4).DeviceName, "Fence");
  EXPECT_EQ(table.at("North").at(4).DeviceName, "Gate");
  EXPECT_EQ(table.at("North").at(2).CameraID, 6u);
  EXPECT_EQ(table.at("North").at(2).Index, 2);
  EXPECT_EQ(table.begin()->first, "East");  // servers in name order
  // A device without an index, or a server without devices, spoils the table.
  Devices(Server("North", Device(4, "Gate", 1, 0) + "<D><DeviceID>5</DeviceID><DeviceName>x</DeviceName>"
                                                    "<CameraID>1</CameraID></D>"));
  EXPECT_TRUE(ReadIVSDeviceTable(m_folder.Path()).empty());
  Devices(Server("North", Device(4, "Gate", 1, 0)) + "<S><ServerName>Bare</ServerName></S>");
  EXPECT_TRUE(ReadIVSDeviceTable(m_folder.Path()).empty());

  // A server's lists (compared with the file end to end in tests/tools) may
  // lack camera ids: the devices without one get 0.
  const IVSDeviceTable remote = RemoteIVSDeviceTable({7, 3}, {"Roof", "Yard"}, {16});
  EXPECT_EQ(remote.at(kRemoteIvsServer).at(3).CameraID, 0u);
  EXPECT_EQ(remote.at(kRemoteIvsServer).at(3).Index, 1);
}

}  // namespace
