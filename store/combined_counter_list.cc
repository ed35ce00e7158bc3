#include "store/combined_counter_list.h"

#include "platform/paths.h"
#include "xml/xml_util.h"

CombinedCounterList ReadCombinedCounterList(const std::string& installFolder) {
  CXmlUtil xml;
  if (xml.Load(platform::JoinPath(installFolder, kCombinedCounterFilterFile)) != kXmlStatusOk) return {};
  CombinedCounterList counters;
  for (const XmlElement* counter = xml.Root()->ChildAt(0); counter != nullptr; counter = counter->NextSibling()) {
    uint32_t id = 0;
    std::string name;
    // One incomplete counter makes the whole file unusable.
    if (GetChildUIntValue(counter, "CounterID", id) != kXmlStatusOk ||
        GetChildStringValue(counter, "CounterName", name) != kXmlStatusOk)
      return {};
    counters[id] = name;
  }
  return counters;
}
