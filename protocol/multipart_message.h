// MultipartMessage: reads a MIME multipart body part by part from a byte
// stream (the answer to METADATARECORD).
//
// The constructor reads the message headers and skips the preamble; it
// throws std::logic_error("does not have Content-Type") when the headers
// lack a Content-Type and std::invalid_argument("boundary not found") when
// its value has no "boundary=".  Errors of the stream (vxpp::VxppError)
// pass through.  The stream must outlive the message.
#pragma once

#include <cstdint>
#include <map>
#include <string>

class CSocketHelper;

class MultipartMessage {
 public:
  using HeaderMap = std::map<std::string, std::string>;

  // A source of bytes.
  class InputStream {
   public:
    virtual ~InputStream() = default;
    virtual bool eof() = 0;
    virtual void close() = 0;
    // The next byte; 0 once the stream has ended.
    virtual char get() = 0;
  };

  // Bytes from a connected socket through a 65536-byte buffer.  A wait for
  // more that takes longer than the socket's default wait, or a failed
  // receive, throws as the socket does; a closed peer ends the stream.  The socket must
  // outlive the stream; close() closes it.
  class SocketInputStream : public InputStream {
   public:
    explicit SocketInputStream(CSocketHelper& socket);
    bool eof() override;
    void close() override;
    char get() override;

   private:
    static constexpr size_t kBufferSize = 65536;
    CSocketHelper& m_socket;
    char m_buffer[kBufferSize];
    size_t m_filled = 0;
    size_t m_position = 0;
    bool m_ended = false;
  };

  explicit MultipartMessage(InputStream& input);

  const HeaderMap& Headers() const { return m_headers; }
  const std::string& Boundary() const { return m_boundary; }
  // Headers of the part last read by NextPart.
  const HeaderMap& PartHeaders() const { return m_partHeaders; }

  // Reads the next part: its headers into PartHeaders() and its body (the
  // CR LF before the next boundary line excluded) into *body.  False when
  // the message has ended (closing boundary or end of stream).
  bool NextPart(std::string* body);
  bool eof() const { return m_ended; }

 private:
  // One line with its "\r\n" (without, at the end of the stream).
  std::string ReadLine();
  void ReadHeaders(HeaderMap* headers);
  bool IsBoundaryLine(const std::string& line) const;
  bool IsClosingBoundary(const std::string& line) const;
  void End();

  InputStream& m_input;
  HeaderMap m_headers;
  std::string m_boundary;
  HeaderMap m_partHeaders;
  bool m_ended = false;
};
