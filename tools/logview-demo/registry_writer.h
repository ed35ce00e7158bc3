// The installation's registry file: what the recorder keeps in the
// machine-wide registry (32-bit view) under its vendor key — the language
// number, the camera list, the edge events its devices support and the
// analytics (IVS) configuration.
#pragma once

#include <string>

#include "tools/logview-demo/demo_world.h"
#include "tools/logview-demo/registry_file.h"

// The vendor key as the 32-bit view of a 64-bit machine exports it.
constexpr const char* kDemoVendorKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\VEXOIP";
// English (United States): primary language 9, sub-language 1.
constexpr unsigned kDemoLangId = 1033;

std::string RegistryFileContents(const DemoWorld& world, RegFile::Encoding encoding);
