// The POS and metadata sources of an ini file, as vxpp-server keeps them in
// "vxpp-pos.ini" and logview takes them with --pos-settings:
//
//   [Register 1]          ; one section per source, in the order of first mention
//   PosId=1
//   Name=Register 1        ; every field of EPOS_Setting by its answer name
//   Association0=11,1,0,0,320,40   ; CameraId,bUseDefault,Left,Top,Right,Bottom
//   Association1=...
//
// A key that is missing or empty keeps the field's default; numbers are
// decimal, as SetPosSettingField reads them.  Associations are read from
// Association0 up to the first one missing or not six numbers.
#pragma once

#include <vector>

#include "config/initial_file.h"
#include "vocabulary/epos_setting.h"

std::vector<EPOS_Setting> PosSettingsFromIni(const CInitialFile& file);
