#include "platform/code_page.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <utility>

#include "platform/debug_output.h"

namespace platform {
namespace {

std::atomic<unsigned> g_overriddenCodePage{0};

// The name of the locale for character types the environment chooses.
std::string LocaleName() {
  for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return "";
}

// The character set of a locale: as the installed locale says, else as its
// name writes it after the ".".
std::string LocaleCharset(const std::string& localeName) {
  if (locale_t locale = newlocale(LC_CTYPE_MASK, localeName.c_str(), nullptr)) {
    std::string charset = nl_langinfo_l(CODESET, locale);
    freelocale(locale);
    return charset;
  }
  const size_t dot = localeName.find('.');
  if (dot == std::string::npos) return "";
  return localeName.substr(dot + 1, localeName.find('@', dot) - dot - 1);
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
// input are dropped and `replacement` is written instead.  The output lands
// in a buffer of OutChar that iconv fills through a char pointer.
template <typename OutChar>
std::basic_string<OutChar> Run(iconv_t cd, const char* in, size_t inLeft, size_t unitSize,
                               std::basic_string_view<OutChar> replacement, bool* replaced) {
  std::basic_string<OutChar> out;
  OutChar buffer[2048];
  char* src = const_cast<char*>(in);
  while (inLeft > 0) {
    char* dst = reinterpret_cast<char*>(buffer);
    size_t outLeft = sizeof buffer;
    size_t rc = iconv(cd, &src, &inLeft, &dst, &outLeft);
    out.append(buffer, (sizeof buffer - outLeft) / sizeof(OutChar));
    if (rc != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL (a truncated sequence at the end): replace one unit.
    const size_t skip = unitSize < inLeft ? unitSize : inLeft;
    src += skip;
    inLeft -= skip;
    out.append(replacement);
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
  // The environment's locale is read once: one debug line at most.
  static const unsigned fromLocale = CodePageOfLocale(LocaleName());
  return fromLocale;
}

void SetSystemCodePage(unsigned codePage) { g_overriddenCodePage.store(codePage); }

unsigned CodePageOfLocale(const std::string& localeName) {
  if (localeName.empty() || localeName == "C" || localeName == "POSIX") return kCodePageUtf8;
  const std::string charset = LocaleCharset(localeName);
  if (const unsigned codePage = CodePageOfCharset(charset)) return codePage;
  DebugOutput("[CodePage] locale " + localeName + ": character set \"" + charset +
              "\" has no code page; the system code page is UTF-8");
  return kCodePageUtf8;
}

std::u16string ToUtf16(std::string_view text, unsigned codePage) {
  const char* charset = IconvCharset(codePage);
  if (charset == nullptr || text.empty()) return {};
  iconv_t cd = OpenConverter("UTF-16LE", charset);
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  return Run<char16_t>(cd, text.data(), text.size(), 1, u"\uFFFD", nullptr);
}

std::string FromUtf16(std::u16string_view text, unsigned codePage, bool* usedDefault) {
  if (usedDefault) *usedDefault = false;
  const char* charset = IconvCharset(codePage);
  if (charset == nullptr || text.empty()) return {};
  iconv_t cd = OpenConverter(charset, "UTF-16LE");
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  return Run<char>(cd, reinterpret_cast<const char*>(text.data()), text.size() * 2, 2, "?", usedDefault);
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
