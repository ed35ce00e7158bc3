// The fields of EPOS_Setting and EPOS_Association by the names the server's
// settings answer (QUERYPOSSETTING) gives them, in the order the answer lists
// them.  The one list of those names: the protocol client reads an answer
// with it, vxpp-server writes one with it, and the settings ini files of
// vxpp-server and logview name their keys by it.
#pragma once

#include <cstdint>
#include <string>

#include "vocabulary/epos_setting.h"

// Calls visit(name, field) for every field of a source that the answer
// carries.  `Setting` is EPOS_Setting or const EPOS_Setting; a field is a
// std::string, an int32_t or (PosId) a uint32_t.
template <typename Setting, typename Visit>
void ForEachPosSettingField(Setting& s, Visit&& visit) {
  visit("PosId", s.PosId);
  visit("Status", s.Status);
  visit("Name", s.Name);
  visit("IP", s.IP);
  visit("Port", s.Port);
  visit("bActive", s.bActive);
  visit("bShowOSD", s.bShowOSD);
  visit("DisplayTimeout", s.DisplayTimeout);
  visit("bDisplayTimeout", s.bDisplayTimeout);
  visit("bRecord", s.bRecord);
  visit("ScrollDelayTime", s.ScrollDelayTime);
  visit("TagFilterName", s.TagFilterName);
  visit("SerialBoxType", s.SerialBoxType);
  visit("Baudrate", s.Baudrate);
  visit("DataBits", s.DataBits);
  visit("Parity", s.Parity);
  visit("StopBits", s.StopBits);
  visit("DataSourceType", s.DataSourceType);
  visit("FlowControl", s.FlowControl);
  visit("FIFOStatus", s.FIFOStatus);
  visit("MetaSourceID", s.MetaSourceID);
  visit("MetaChannelID", s.MetaChannelID);
  visit("SourceName", s.SourceName);
  visit("MetaSourceType", s.MetaSourceType);
}

// The same for one association block of the answer.
template <typename Association, typename Visit>
void ForEachAssociationField(Association& a, Visit&& visit) {
  visit("CameraId", a.CameraId);
  visit("bUseDefault", a.bUseDefault);
  visit("Top", a.Top);
  visit("Bottom", a.Bottom);
  visit("Left", a.Left);
  visit("Right", a.Right);
}

// Sets a field from the text of its value.  A number is read as a decimal
// with an optional sign and kept modulo 2^32, so "-1" and "4294967295" give
// the same bits; text that is no number gives 0.
void SetPosSettingField(std::string& field, const std::string& text);
void SetPosSettingField(int32_t& field, const std::string& text);
void SetPosSettingField(uint32_t& field, const std::string& text);

// The text a field's value is written as.
inline std::string PosSettingFieldText(const std::string& field) { return field; }
inline std::string PosSettingFieldText(int32_t field) { return std::to_string(field); }
inline std::string PosSettingFieldText(uint32_t field) { return std::to_string(field); }
