#include "pages/counting/counter_choices.h"

#include <cstdio>

#include "lang/translated_string.h"
#include "vocabulary/user_account.h"

namespace {

constexpr int kBasicCounting = 107;
constexpr int kIvsCounting = 106;
constexpr int kCombinedCounting = 202;

}  // namespace

CounterLists LoadCounterLists(IViewerContext& viewer, IVXPPClient* client) {
  CounterLists lists;
  const ViewerSettings& settings = viewer.Settings();
  if (client == nullptr) {
    const std::string folder = viewer.InstallFolder();
    lists.devices = ReadIVSDeviceTable(folder);
    lists.counters = ReadCombinedCounterList(folder);
    lists.combinedAvailable = !viewer.LogRootIsBackup();
    return lists;
  }
  const std::string url = ServerUrl(settings);
  std::vector<uint32_t> ivsDeviceIds, cameraIds;
  std::vector<std::string> names;
  if (client->GetIVSDeviceInfo(url, settings.userSessionNo, ivsDeviceIds, names, cameraIds))
    lists.devices = RemoteIVSDeviceTable(ivsDeviceIds, names, cameraIds);
  lists.combinedAvailable = client->GetCombinedCounterInfo(url, settings.userSessionNo, lists.counters);
  if (!lists.combinedAvailable) lists.counters.clear();
  return lists;
}

std::vector<SelectorChoice> ModeChoices(bool combinedAvailable) {
  std::vector<SelectorChoice> choices{{LoadTranslatedString(kBasicCounting), 0},
                                      {LoadTranslatedString(kIvsCounting), 1}};
  if (combinedAvailable) choices.push_back({LoadTranslatedString(kCombinedCounting), 2});
  return choices;
}

std::vector<SelectorChoice> DeviceChoices(const IVSDeviceTable& devices, const CUserAccount* user) {
  std::vector<SelectorChoice> choices;
  for (const auto& [server, byId] : devices) {
    for (const auto& [id, device] : byId) {
      // The account's rights are looked up under the device id itself.
      if (user != nullptr && (user->RightsOfCamera(device.DeviceID) & CUserAccount::kMayView) == 0) continue;
      char number[24];
      std::snprintf(number, sizeof number, "[%02lld] ", static_cast<long long>(device.Index) + 1);
      choices.push_back({number + device.DeviceName, device.DeviceID});
    }
  }
  return choices;
}

std::vector<SelectorChoice> CounterChoices(const CombinedCounterList& counters) {
  std::vector<SelectorChoice> choices;
  for (const auto& [id, name] : counters) choices.push_back({name, id});
  return choices;
}

void FillSelector(CComboBoxModel& selector, const std::vector<SelectorChoice>& choices) {
  selector.ResetContent();
  for (const SelectorChoice& choice : choices) selector.SetItemData(selector.AddString(choice.text), choice.value);
  selector.SetCurSel(0);
}

int64_t SelectedValue(const CComboBoxModel& selector, int64_t none) {
  const int selected = selector.GetCurSel();
  return selected < 0 ? none : selector.GetItemData(selected);
}
