// The backup commands and the playback client of CVXPPClient.  They are not
// part of this client yet: until they are, each reports failure without
// contacting the server, as a server that does not answer them would.
#include "protocol/vxpp_client.h"

bool CVXPPClient::BackupInit(const std::string&, uint32_t, const BackupSelection&) { return false; }
bool CVXPPClient::BackupInit2(const std::string&, uint32_t, const BackupSelection&) { return false; }
bool CVXPPClient::BackupBegin(const std::string&, uint32_t, const std::string&) { return false; }
bool CVXPPClient::BackupUninit(const std::string&, uint32_t) { return false; }
bool CVXPPClient::QueryRecSizeSeparate(const std::string&, uint32_t, const BackupSelection&, uint64_t&,
                                       std::vector<uint64_t>&) {
  return false;
}
bool CVXPPClient::QueryRecSize(const std::string&, uint32_t, const BackupSelection&, uint64_t&) { return false; }
bool CVXPPClient::DeleteFileRecord(const std::string&, uint32_t, const BackupSelection&) { return false; }
