// The login passwords travel enciphered with RC4 under one key that the
// client and the server share; the dual password of a login may travel
// inside a header as Base64 of its enciphered bytes.
#pragma once

#include <string>
#include <string_view>

namespace vxpp {

// The shared 12-character key, assembled at run time from two constant
// parts so that it does not sit in the binary as one text.
std::string PasswordCipherKey();

// RC4 over `data` in place, with a cipher freshly keyed by `key`.  The same
// call deciphers.
void Rc4Crypt(std::string_view key, std::string* data);

// Standard alphabet, "=" padding, no line breaks.
std::string Base64Encode(std::string_view bytes);
// False on a character outside the alphabet or a bad length.
bool Base64Decode(std::string_view text, std::string* bytes);

}  // namespace vxpp
