#include "tools/vxpp-server/credentials.h"

#include <cstdlib>

#include "protocol/password_cipher.h"

namespace vxpp_server {
namespace {

// True when `sent` and `expected` are the same bytes; every byte of `sent`
// is looked at whatever the others hold.
bool SameBytes(const std::string& sent, const std::string& expected) {
  unsigned difference = sent.size() != expected.size() ? 1u : 0u;
  for (size_t i = 0; i < sent.size(); ++i) {
    const unsigned char other = i < expected.size() ? static_cast<unsigned char>(expected[i]) : 0;
    difference |= static_cast<unsigned char>(sent[i]) ^ other;
  }
  return difference == 0;
}

bool DualPasswordMatches(const VxppRequest& request, const std::string& expected, const std::string& keyDigits) {
  if (expected.empty()) return true;
  const std::string* content = request.Find("DualPwdContent");
  std::string sent;
  if (content == nullptr || !vxpp::Base64Decode(*content, &sent)) return false;
  vxpp::Rc4Crypt(vxpp::PasswordCipherKey(), &sent);
  return SameBytes(sent, expected + keyDigits);
}

// Uses up the key written as `digits` (the decimal digits of a u32).
bool TakeKey(HandshakeKeys& keys, const std::string& user, const std::string& digits) {
  if (digits.empty() || digits.size() > 10 || digits.find_first_not_of("0123456789") != std::string::npos)
    return false;
  const unsigned long long key = std::strtoull(digits.c_str(), nullptr, 10);
  return key <= 0xFFFFFFFFull && keys.Take(user, static_cast<uint32_t>(key));
}

}  // namespace

bool CredentialsMatch(const VxppRequest& request, const std::string& sent, const std::string& user,
                      const UserAccount& account, HandshakeKeys& keys) {
  const bool withKey = request.Number("HasLoginHandShakingKey") == 1;
  // With a key the password is followed by its digits: whatever follows the
  // account's password, checked as a key once the passwords match.
  const std::string keyDigits = withKey && sent.size() > account.password.size()
                                    ? sent.substr(account.password.size())
                                    : std::string();
  if (withKey && keyDigits.empty()) return false;
  // Both are checked, whichever fails.
  const bool passwordMatches = SameBytes(sent, account.password + keyDigits);
  const bool dualPasswordMatches = DualPasswordMatches(request, account.dualPassword, keyDigits);
  return passwordMatches && dualPasswordMatches && (!withKey || TakeKey(keys, user, keyDigits));
}

}  // namespace vxpp_server
