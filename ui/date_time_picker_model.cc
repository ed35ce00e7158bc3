#include "ui/date_time_picker_model.h"

CDateTimePickerModel::CDateTimePickerModel(const CDateTime& value)
    : CWindowModel(kDateTimePickerClass), m_dayCount(value.ToDayCount()) {}

bool CDateTimePickerModel::SetTime(const CDateTime& value) {
  if (!value.IsValid()) return false;
  Update(m_dayCount, value.ToDayCount(), Property::kValue);
  return true;
}

void CDateTimePickerModel::SetCheck(bool checked) {
  Update(m_checked, checked, Property::kChecked);
}

void CDateTimePickerModel::SetFormat(const std::string& format) {
  Update(m_format, format, Property::kFormat);
}

bool CDateTimePickerModel::UserSetCheck(bool checked) {
  if (!AcceptsUser()) return false;
  SetCheck(checked);
  m_userChecked.Emit(checked);
  return true;
}

bool CDateTimePickerModel::UserSetTime(const CDateTime& value) {
  if (!AcceptsUser() || !value.IsValid()) return false;
  if (!m_checked) UserSetCheck(true);
  SetTime(value);
  m_userChangedTime.Emit();
  return true;
}
