// EPOS_Setting: the settings of one POS or other metadata source, as the host
// hands them to ShowLogViewerDlg and the server's settings answer fills them.
// A plain value; the field order and the defaults of a new object are part of
// the host interface.  The viewer reads only PosId, Status, Name and
// SourceName; the rest is carried for the host.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A camera tied to the source and the rectangle of its on-screen text.
struct EPOS_Association {
  int32_t CameraId = 0;
  int32_t bUseDefault = 0;
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
};

struct EPOS_Setting {
  std::vector<EPOS_Association> associations;
  uint32_t PosId = 0;          // the key a record's PosId refers to
  std::string Status = "OK";   // anything but "OK" marks a deleted source
  std::string Name;
  std::string IP;
  int32_t Port = 4000;
  int32_t bActive = 0;
  int32_t bShowOSD = 1;
  int32_t bDisplayTimeout = 0;
  int32_t DisplayTimeout = 10;
  int32_t bRecord = 1;
  int32_t ScrollDelayTime = 1;
  std::string TagFilterName = "Default";
  std::string SerialBoxType = "QRT-B58";
  std::string reservedSerialText = "None";  // not filled by the server, not read
  std::string Baudrate = "9600";
  std::string DataBits = "8";
  std::string Parity = "None";
  std::string StopBits = "1";
  std::string DataSourceType = "SerialBox";
  std::string FlowControl = "None";
  std::string FIFOStatus = "Enable";
  std::string reservedText1;  // not filled, not read
  std::string reservedText2;
  int32_t MetaSourceID = -1;   // all bits set
  int32_t MetaChannelID = -1;  // all bits set
  std::string SourceName;      // the device or program the source belongs to
  std::string MetaSourceType = "POS";
  std::string reservedText3;  // not filled, not read
  int64_t reservedValue1 = 0;
  int64_t reservedValue2 = -1;
};
