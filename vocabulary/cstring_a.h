// CStringA: the narrow string of the host interface, text in the system code
// page.  A plain std::string, so hosts pass and build it like any string.
#pragma once

#include <string>

using CStringA = std::string;
