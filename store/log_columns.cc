// The columns each record type reads from its table, by exact name.
#include "store/log_columns.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>

namespace {

// The platform's decimal conversion (strtol, then narrowed to 32 bits):
// leading blanks and a sign are allowed, reading stops at the first other
// character, garbage gives 0.  Plain digit strings, which is what the
// databases hold, are converted here without the locale machinery.
int32_t ToInt32(const char* text) {
  const char* p = text;
  const bool negative = *p == '-';
  if (negative) ++p;
  int64_t value = 0;
  int digits = 0;
  // A 19th digit is left to strtol before it can overflow the sum.
  for (; digits < 18 && *p >= '0' && *p <= '9'; ++p, ++digits) value = value * 10 + (*p - '0');
  if (*p != '\0' || digits == 0) return static_cast<int32_t>(std::strtol(text, nullptr, 10));
  return static_cast<int32_t>(negative ? -value : value);
}

uint32_t ToUInt32(const char* text) { return static_cast<uint32_t>(ToInt32(text)); }

template <class T>
void ReadTime(T& record, const char* value) {
  record.LogTime = CDateTime::ParseLogTime(value);
}

// A stored time of 14 digits (or 17 with milliseconds) is split by
// arithmetic; any other number is read from its decimal text.
template <class T>
void ReadTimeNumber(T& record, int64_t value) {
  constexpr int64_t k14Digits = 10000000000000, k17Digits = 10000000000000000;
  int milliseconds = 0;
  if (value >= k17Digits && value < 10 * k17Digits) {
    milliseconds = static_cast<int>(value % 1000);
    value /= 1000;
  } else if (value < k14Digits || value >= 10 * k14Digits) {
    char text[24];
    *std::to_chars(text, text + sizeof text - 1, value).ptr = '\0';
    ReadTime(record, text);
    return;
  }
  const auto part = [value](int64_t unit, int64_t range) { return static_cast<int>(value / unit % range); };
  record.LogTime = CDateTime::FromFields(static_cast<int>(value / 10000000000), part(100000000, 100),
                                         part(1000000, 100), part(10000, 100), part(100, 100), part(1, 100),
                                         milliseconds);
}

// Member-pointer helpers, so that each table below lists only names and fields.
template <class T, int32_t T::*Field>
void ReadSigned(T& record, const char* value) {
  record.*Field = ToInt32(value);
}

template <class T, uint32_t T::*Field>
void ReadUnsigned(T& record, const char* value) {
  record.*Field = ToUInt32(value);
}

// A number's decimal text read by ToInt32 is the number narrowed to 32 bits.
template <class T, int32_t T::*Field>
void ReadSignedNumber(T& record, int64_t value) {
  record.*Field = static_cast<int32_t>(value);
}

template <class T, uint32_t T::*Field>
void ReadUnsignedNumber(T& record, int64_t value) {
  record.*Field = static_cast<uint32_t>(value);
}

template <class T, std::string T::*Field>
void ReadText(T& record, const char* value) {
  (record.*Field).assign(value);
}

using E = EventLogBasket;
constexpr LogColumn<E> kEventColumns[] = {
    {"LogTime", ReadTime<E>, ReadTimeNumber<E>},
    {"ChannelIndex", ReadSigned<E, &E::ChannelIndex>, ReadSignedNumber<E, &E::ChannelIndex>},
    {"CameraId", ReadUnsigned<E, &E::CameraId>, ReadUnsignedNumber<E, &E::CameraId>},
    {"EventNumber", ReadSigned<E, &E::EventNumber>, ReadSignedNumber<E, &E::EventNumber>},
    {"Description", ReadText<E, &E::Description>},
};

using P = PosEventLogBasket;
constexpr LogColumn<P> kPosColumns[] = {
    {"LogTime", ReadTime<P>, ReadTimeNumber<P>},
    {"PosId", ReadUnsigned<P, &P::PosId>, ReadUnsignedNumber<P, &P::PosId>},
    {"EventRuleId", ReadSigned<P, &P::EventRuleId>, ReadSignedNumber<P, &P::EventRuleId>},
    {"CameraId", ReadText<P, &P::CameraId>},
    {"EventRuleName", ReadText<P, &P::EventRuleName>},
    {"Description", ReadText<P, &P::Description>},
};

using G = EdgeRecordLogBasket;
constexpr LogColumn<G> kEdgeColumns[] = {
    {"LogTime", ReadTime<G>, ReadTimeNumber<G>},
    {"CameraId", ReadUnsigned<G, &G::CameraId>, ReadUnsignedNumber<G, &G::CameraId>},
    {"LogType", ReadSigned<G, &G::LogType>, ReadSignedNumber<G, &G::LogType>},
    {"Description", ReadText<G, &G::Description>},
};

using C = CounterLog;
constexpr LogColumn<C> kCounterColumns[] = {
    {"LogTime", ReadTime<C>, ReadTimeNumber<C>},
    {"ChannelIndex", ReadSigned<C, &C::ChannelIndex>, ReadSignedNumber<C, &C::ChannelIndex>},
    {"CameraId", ReadUnsigned<C, &C::CameraId>, ReadUnsignedNumber<C, &C::CameraId>},
    {"CountIn", ReadSigned<C, &C::CountIn>, ReadSignedNumber<C, &C::CountIn>},
    {"CountOut", ReadSigned<C, &C::CountOut>, ReadSignedNumber<C, &C::CountOut>},
};

// The row names the device column "IVSDeviceId" (the filter says "IVSDeviceID").
using I = IVSCounterLog;
constexpr LogColumn<I> kIvsCounterColumns[] = {
    {"LogTime", ReadTime<I>, ReadTimeNumber<I>},
    {"IVSDeviceId", ReadUnsigned<I, &I::IVSDeviceId>, ReadUnsignedNumber<I, &I::IVSDeviceId>},
    {"DeviceId", ReadUnsigned<I, &I::DeviceId>, ReadUnsignedNumber<I, &I::DeviceId>},
    {"CounterId", ReadUnsigned<I, &I::CounterId>, ReadUnsignedNumber<I, &I::CounterId>},
    {"CounterName", ReadText<I, &I::CounterName>},
    {"CounterType", ReadSigned<I, &I::CounterType>, ReadSignedNumber<I, &I::CounterType>},
    {"CounterResult", ReadSigned<I, &I::CounterResult>, ReadSignedNumber<I, &I::CounterResult>},
    {"Reset", ReadSigned<I, &I::Reset>, ReadSignedNumber<I, &I::Reset>},
};

using B = CombinedCounterLog;
constexpr LogColumn<B> kCombinedCounterColumns[] = {
    {"LogTime", ReadTime<B>, ReadTimeNumber<B>},
    {"CounterID", ReadUnsigned<B, &B::CounterID>, ReadUnsignedNumber<B, &B::CounterID>},
    {"CounterResult", ReadSigned<B, &B::CounterResult>, ReadSignedNumber<B, &B::CounterResult>},
};

// "max(LogTime)" is how an aggregate over the table names its time column.
using S = SystemLogRecord;
constexpr LogColumn<S> kSystemColumns[] = {
    {"LogTime", ReadTime<S>, ReadTimeNumber<S>},
    {"max(LogTime)", ReadTime<S>, ReadTimeNumber<S>},
    {"EventNumber", ReadSigned<S, &S::EventNumber>, ReadSignedNumber<S, &S::EventNumber>},
    {"EventString", ReadText<S, &S::EventString>},
    {"Param1", ReadSigned<S, &S::Param1>, ReadSignedNumber<S, &S::Param1>},
    {"Param2", ReadSigned<S, &S::Param2>, ReadSignedNumber<S, &S::Param2>},
    {"Param3", ReadSigned<S, &S::Param3>, ReadSignedNumber<S, &S::Param3>},
    {"Param4", ReadSigned<S, &S::Param4>, ReadSignedNumber<S, &S::Param4>},
    {"Param5", ReadSigned<S, &S::Param5>, ReadSignedNumber<S, &S::Param5>},
};

}  // namespace

template <>
std::span<const LogColumn<E>> LogColumnsOf<E>() { return kEventColumns; }
template <>
std::span<const LogColumn<P>> LogColumnsOf<P>() { return kPosColumns; }
template <>
std::span<const LogColumn<G>> LogColumnsOf<G>() { return kEdgeColumns; }
template <>
std::span<const LogColumn<C>> LogColumnsOf<C>() { return kCounterColumns; }
template <>
std::span<const LogColumn<I>> LogColumnsOf<I>() { return kIvsCounterColumns; }
template <>
std::span<const LogColumn<B>> LogColumnsOf<B>() { return kCombinedCounterColumns; }
template <>
std::span<const LogColumn<S>> LogColumnsOf<S>() { return kSystemColumns; }
