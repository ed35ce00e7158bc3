// The installation's ini files, as the recorder writes them (CRLF lines):
// - "vx_config.ini": the vendor names and window titles, section SETUP;
// - "FileRecord.ini": the record-file marker, whose first line says whether
//   the folder is a backup copy ("##Backup##"), an automatic backup
//   ("##AutoBackup##") or neither;
// - "SupportedEdgeEventListOfDP.ini": the edge events the devices support;
// - "IVSConfigForBackup.ini": the analytics servers and devices, kept beside
//   a backup copy in place of the registry.
#pragma once

#include <string>

#include "tools/logview-demo/demo_world.h"

enum class BackupMarker { kNone, kBackup, kAutoBackup };

std::string VxConfigIni();
std::string FileRecordIni(BackupMarker marker);
std::string SupportedEdgeEventIni(const DemoWorld& world);
std::string IvsConfigForBackupIni(const DemoWorld& world);
