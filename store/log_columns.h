// The column lists of the record types the log tables hold (see
// log_row_reader.h).  Included where a row reader is instantiated.
#pragma once

#include "vocabulary/counter_log.h"
#include "vocabulary/edge_record_log_basket.h"
#include "vocabulary/event_log_basket.h"
#include "store/log_row_reader.h"
#include "vocabulary/pos_event_log_basket.h"
#include "vocabulary/system_log_record.h"

template <>
std::span<const LogColumn<EventLogBasket>> LogColumnsOf<EventLogBasket>();
template <>
std::span<const LogColumn<PosEventLogBasket>> LogColumnsOf<PosEventLogBasket>();
template <>
std::span<const LogColumn<EdgeRecordLogBasket>> LogColumnsOf<EdgeRecordLogBasket>();
template <>
std::span<const LogColumn<CounterLog>> LogColumnsOf<CounterLog>();
template <>
std::span<const LogColumn<IVSCounterLog>> LogColumnsOf<IVSCounterLog>();
template <>
std::span<const LogColumn<CombinedCounterLog>> LogColumnsOf<CombinedCounterLog>();
template <>
std::span<const LogColumn<SystemLogRecord>> LogColumnsOf<SystemLogRecord>();
