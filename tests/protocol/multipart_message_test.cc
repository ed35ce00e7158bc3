#include "protocol/multipart_message.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "protocol/scripted_socket_api.h"
#include "protocol/vxpp_error.h"
#include "protocol/socket_helper.h"

namespace {

class StringInputStream : public MultipartMessage::InputStream {
 public:
  explicit StringInputStream(std::string text) : m_text(std::move(text)) {}
  bool eof() override { return m_closed || m_position > m_text.size(); }
  void close() override { m_closed = true; }
  char get() override {
    if (m_position >= m_text.size()) {
      m_position = m_text.size() + 1;
      return 0;
    }
    return m_text[m_position++];
  }
  bool closed() const { return m_closed; }

 private:
  std::string m_text;
  size_t m_position = 0;
  bool m_closed = false;
};

const char kMessage[] =
    "Content-Type: multipart/mixed; boundary=XyZ extra\r\n"
    "X-Count:  2\r\n"
    "\r\n"
    "preamble line\r\n"
    "--XyZ\r\n"
    "Content-Type: text/plain\r\n"
    "\r\n"
    "first line\r\n"
    "second\r\n"
    "--XyZ\r\n"
    "Content-Type: application/octet-stream\r\n"
    "Content-Type: later wins\r\n"
    "\r\n"
    "x--XyZ\r\n"
    "\r\n"
    "--XyZ--\r\n"
    "epilogue\r\n";

TEST(MultipartMessageTest, ReadsPartsAndLeavesBoundaryLineBreaksOut) {
  StringInputStream input(kMessage);
  MultipartMessage message(input);
  EXPECT_EQ(message.Boundary(), "XyZ");
  EXPECT_EQ(message.Headers().at("X-Count"), "2");

  std::string body;
  ASSERT_TRUE(message.NextPart(&body));
  EXPECT_EQ(message.PartHeaders().at("Content-Type"), "text/plain");
  EXPECT_EQ(body, "first line\r\nsecond");
  ASSERT_TRUE(message.NextPart(&body));
  EXPECT_EQ(message.PartHeaders().at("Content-Type"), "later wins");
  // A boundary inside a line is body; the empty line before the closing
  // boundary leaves one line break.
  EXPECT_EQ(body, "x--XyZ\r\n");
  EXPECT_TRUE(message.eof());
  EXPECT_TRUE(input.closed());
  EXPECT_FALSE(message.NextPart(&body));
}

TEST(MultipartMessageTest, MissingTypeOrBoundaryAndTruncatedStreams) {
  StringInputStream noType("X-Other: 1\r\n\r\n--b\r\n"), noBoundary("Content-Type: multipart/mixed\r\n\r\n");
  EXPECT_THROW(MultipartMessage{noType}, std::logic_error);
  EXPECT_THROW(MultipartMessage{noBoundary}, std::invalid_argument);

  // The stream ends inside a part: the part is returned and the message ends.
  StringInputStream cut("Content-Type: m; boundary=b\r\n\r\n--b\r\n\r\npartial");
  MultipartMessage message(cut);
  std::string body;
  EXPECT_TRUE(message.NextPart(&body));
  EXPECT_EQ(body, "partial");
  EXPECT_TRUE(message.eof());

  // A line, a part or a header list without end is refused at its limit.
  const std::string head = "Content-Type: m; boundary=b\r\n\r\n--b\r\n";
  std::string headers, lines;
  for (int i = 0; i < 300; ++i) headers += "X-" + std::to_string(i) + ": 1\r\n";
  for (int i = 0; i < 8000; ++i) lines += "line line\r\n";
  for (const std::string& endless : {head + "\r\n" + std::string(100000, 'x'), head + "\r\n" + lines, head + headers}) {
    StringInputStream input(endless);
    MultipartMessage big(input);
    try {
      big.NextPart(&body);
      ADD_FAILURE() << "read without limit";
    } catch (const vxpp::VxppError& error) {
      EXPECT_EQ(error.kind, vxpp::VxppError::kTooLarge);
    }
  }
}

TEST(MultipartMessageTest, SocketStreamInPiecesAndStalls) {
  ScriptedSocketApi api(7);
  api.SetMaxPiece(5);
  api.AddPeer().Then(std::string(kMessage).substr(0, 60)).Then(std::string(kMessage).substr(60), 3000);
  CNetHelper net(&api);
  ASSERT_TRUE(net.Connect("server", 1));
  MultipartMessage::SocketInputStream input(net);
  MultipartMessage message(input);
  std::string body;
  ASSERT_TRUE(message.NextPart(&body));
  EXPECT_EQ(body, "first line\r\nsecond");
  ASSERT_TRUE(message.NextPart(&body));
  EXPECT_TRUE(message.eof());
  EXPECT_FALSE(net.IsValid());  // the closing boundary closed the socket

  // A server that stops in the middle fails the read instead of hanging it.
  api.AddPeer().Then("Content-Type: m; boundary=b\r\n\r\n--b\r\n").end = ScriptedSocketApi::End::kStall;
  CNetHelper stalled(&api);
  ASSERT_TRUE(stalled.Connect("server", 1));
  MultipartMessage::SocketInputStream stalledInput(stalled);
  MultipartMessage stalledMessage(stalledInput);
  EXPECT_THROW(stalledMessage.NextPart(&body), vxpp::VxppError);
}

}  // namespace
