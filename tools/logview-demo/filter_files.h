// The filter files under "db/filter" (UTF-8 XML): the combined counters of
// the counting application ("CombinedCounterFilter.xml") and the analytics
// servers with their devices ("IVS.xml").  The IVS file numbers the devices
// with an Index counted over all servers, as the counting pages show them.
#pragma once

#include <string>

#include "tools/logview-demo/demo_world.h"

std::string CombinedCounterFilterXml(const DemoWorld& world);
std::string IvsFilterXml(const DemoWorld& world);
