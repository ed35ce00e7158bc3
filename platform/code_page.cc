#include "platform/code_page.h"

#include <iconv.h>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <utility>

namespace platform {
namespace {

std::atomic<unsigned> g_overriddenCodePage{0};

unsigned CodePageFromLocale() {
  const char* names[] = {"LC_ALL", "LC_CTYPE", "LANG"};
  for (const char* name : names) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') continue;
    std::string v(value);
    for (auto& c : v) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (v.find("8859-1") != std::string::npos || v.find("latin1") != std::string::npos) return 28591;
    if (v.find("sjis") != std::string::npos || v.find("shift_jis") != std::string::npos) return 932;
    if (v.find("gbk") != std::string::npos || v.find("gb2312") != std::string::npos) return 936;
    if (v.find("big5") != std::string::npos) return 950;
    if (v.find("euckr") != std::string::npos || v.find("euc-kr") != std::string::npos) return 949;
    break;
  }
  return kCodePageUtf8;
}

// iconv descriptors are costly to open; each thread keeps the ones it used.
class IconvCache {
 public:
  ~IconvCache() {
    for (auto& entry : m_open) iconv_close(entry.second);
  }
  iconv_t Get(const char* to, const char* from) {
    auto key = std::make_pair(std::string(to), std::string(from));
    auto it = m_open.find(key);
    if (it != m_open.end()) {
      iconv(it->second, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
      return it->second;
    }
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return cd;
    m_open.emplace(std::move(key), cd);
    return cd;
  }

 private:
  std::map<std::pair<std::string, std::string>, iconv_t> m_open;
};

iconv_t OpenConverter(const char* to, const char* from) {
  thread_local IconvCache cache;
  return cache.Get(to, from);
}

// Runs iconv over the whole input; on an unconvertible unit, `skip` bytes of
// input are dropped and `replacement` is written instead.
template <typename OutChar>
std::basic_string<OutChar> Run(iconv_t cd, const char* in, size_t inLeft, size_t unitSize,
                               const char* replacement, size_t replacementSize, bool* replaced) {
  std::basic_string<OutChar> out;
  char buffer[4096];
  char* src = const_cast<char*>(in);
  while (inLeft > 0) {
    char* dst = buffer;
    size_t outLeft = sizeof buffer;
    size_t rc = iconv(cd, &src, &inLeft, &dst, &outLeft);
    out.append(reinterpret_cast<OutChar*>(buffer), (sizeof buffer - outLeft) / sizeof(OutChar));
    if (rc != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL (a truncated sequence at the end): replace one unit.
    const size_t skip = unitSize < inLeft ? unitSize : inLeft;
    src += skip;
    inLeft -= skip;
    out.append(reinterpret_cast<const OutChar*>(replacement), replacementSize / sizeof(OutChar));
    if (replaced) *replaced = true;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

}  // namespace

unsigned SystemCodePage() {
  const unsigned overridden = g_overriddenCodePage.load();
  if (overridden != 0) return overridden;
  if (const char* env = std::getenv("LOGVIEW_CODEPAGE")) {
    const unsigned long value = std::strtoul(env, nullptr, 10);
    if (value != 0 && IconvCharset(static_cast<unsigned>(value)) != nullptr)
      return static_cast<unsigned>(value);
  }
  return CodePageFromLocale();
}

void SetSystemCodePage(unsigned codePage) { g_overriddenCodePage.store(codePage); }

const char* IconvCharset(unsigned codePage) {
  switch (codePage) {
    case 65001: return "UTF-8";
    case 1200: return "UTF-16LE";
    case 20127: return "ASCII";
    case 28591: return "ISO-8859-1";
    case 437: return "CP437";
    case 850: return "CP850";
    case 866: return "CP866";
    case 874: return "CP874";
    case 932: return "CP932";
    case 936: return "GBK";
    case 949: return "CP949";
    case 950: return "BIG5";
    case 1250: return "CP1250";
    case 1251: return "CP1251";
    case 1252: return "CP1252";
    case 1253: return "CP1253";
    case 1254: return "CP1254";
    case 1255: return "CP1255";
    case 1256: return "CP1256";
    case 1257: return "CP1257";
    case 1258: return "CP1258";
    case 20932: return "EUC-JP";
    case 54936: return "GB18030";
    default: return nullptr;
  }
}

std::u16string ToUtf16(std::string_view text, unsigned codePage) {
  const char* charset = IconvCharset(codePage);
  if (charset == nullptr || text.empty()) return {};
  iconv_t cd = OpenConverter("UTF-16LE", charset);
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  static const char16_t kReplacement = u'\uFFFD';
  return Run<char16_t>(cd, text.data(), text.size(), 1, reinterpret_cast<const char*>(&kReplacement),
                       sizeof kReplacement, nullptr);
}

std::string FromUtf16(std::u16string_view text, unsigned codePage, bool* usedDefault) {
  if (usedDefault) *usedDefault = false;
  const char* charset = IconvCharset(codePage);
  if (charset == nullptr || text.empty()) return {};
  iconv_t cd = OpenConverter(charset, "UTF-16LE");
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  return Run<char>(cd, reinterpret_cast<const char*>(text.data()), text.size() * 2, 2, "?", 1,
                   usedDefault);
}

std::string ToUtf16LeBytes(std::string_view text, unsigned codePage) {
  std::string bytes;
  for (char16_t unit : ToUtf16(text, codePage)) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

std::string FromUtf16LeBytes(std::string_view bytes, unsigned codePage) {
  std::u16string wide;
  wide.reserve(bytes.size() / 2);
  for (size_t at = 0; at + 1 < bytes.size(); at += 2)
    wide += static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                  static_cast<unsigned char>(bytes[at + 1]) << 8);
  return FromUtf16(wide, codePage);
}

std::string ConvertCodePage(std::string_view text, unsigned fromCodePage, unsigned toCodePage) {
  if (fromCodePage == toCodePage) return std::string(text);
  return FromUtf16(ToUtf16(text, fromCodePage), toCodePage);
}

}  // namespace platform
