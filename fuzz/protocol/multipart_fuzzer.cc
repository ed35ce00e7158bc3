// A multipart body (the answer to METADATARECORD) read part by part.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "protocol/multipart_message.h"

namespace {

class BytesStream : public MultipartMessage::InputStream {
 public:
  BytesStream(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
  bool eof() override { return m_at >= m_size; }
  void close() override { m_at = m_size; }
  char get() override { return m_at < m_size ? static_cast<char>(m_data[m_at++]) : '\0'; }

 private:
  const uint8_t* m_data;
  size_t m_size;
  size_t m_at = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  BytesStream stream(data, size);
  try {
    MultipartMessage message(stream);
    std::string body;
    // Every part takes at least one byte of the stream.
    for (size_t parts = 0; message.NextPart(&body); ++parts)
      if (parts > size) __builtin_trap();
  } catch (const std::logic_error&) {  // no Content-Type, no boundary (invalid_argument is one)
  }
  return 0;
}
