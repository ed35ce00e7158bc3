// The names under which liblogview.so exports the host functions (C++
// linkage, g++ mangling).  A host that loads the library at run time looks
// them up by these names; exported_symbols_test checks them against the
// declarations of logview/logview.h.
#pragma once

struct ExportedSymbol {
  const char* function;
  const char* symbol;
};

inline constexpr ExportedSymbol kExportedSymbols[] = {
    {"ShowLogViewerDlg",
     "_Z16ShowLogViewerDlgPN8platform4CWndEiiiiiiiiiiNSt7__cxx1112basic_stringIcSt11char_"
     "traitsIcESaIcEEEmSt6vectorI12EPOS_SettingSaIS9_EEP12CUserAccountiiiii"},
    {"SetLogDateTimeAndSearch", "_Z23SetLogDateTimeAndSearch9CDateTimeS_8VxBitsetILm128EE"},
    {"SetLogDateTime", "_Z14SetLogDateTime9CDateTimeS_"},
    {"SetCameras", "_Z10SetCameras8VxBitsetILm128EE"},
    {"EnableEventLog", "_Z14EnableEventLog14EventLogStatus"},
    {"EnableSystemLog", "_Z15EnableSystemLog15SystemLogStatus"},
    {"SetRemoteMode", "_Z13SetRemoteModeb"},
    {"ResetLogViewerInstance", "_Z22ResetLogViewerInstancev"},
    {"ResetLogViewerLanguage", "_Z22ResetLogViewerLanguagemPKc"},
    {"FilterDllMsg", "_Z12FilterDllMsgPN8platform3MSGE"},
    {"RetrieveSupportedEdgeEventListOfDPFromRegistry",
     "_Z46RetrieveSupportedEdgeEventListOfDPFromRegistryv"},
    {"RetrieveSupportedEdgeEventListOfDPFromIni",
     "_Z41RetrieveSupportedEdgeEventListOfDPFromIniNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE"},
};
