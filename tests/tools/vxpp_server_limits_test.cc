// The server's limits that follow the clock, driven with made-up times:
// handshake keys expire, login failures lock for doubling windows that end
// and are forgotten, and the table of hosts stays bounded.
#include <gtest/gtest.h>

#include "tools/vxpp-server/handshake_keys.h"
#include "tools/vxpp-server/login_throttle.h"

namespace {

using namespace std::chrono_literals;
using vxpp_server::HandshakeKeys;
using vxpp_server::LoginThrottle;

TEST(HandshakeKeysTest, KeysBelongToTheirUserAndExpire) {
  HandshakeKeys keys;
  const auto t = HandshakeKeys::Clock::now();
  const uint32_t first = keys.Issue("admin", t), second = keys.Issue("admin", t);
  EXPECT_FALSE(keys.Take("operator", first, t));
  EXPECT_TRUE(keys.Take("admin", first, t + 60s));
  EXPECT_FALSE(keys.Take("admin", second, t + 61s));
  EXPECT_FALSE(keys.Take("nobody", keys.Unstored(), t));
}

TEST(LoginThrottleTest, LocksForDoublingWindowsUntilSuccessOrOblivion) {
  LoginThrottle throttle;
  const std::string admin = "admin", host = "10.0.0.1";
  const auto t = LoginThrottle::Clock::now();
  for (int i = 0; i < 4; ++i) throttle.Failed(host, &admin, t);
  EXPECT_TRUE(throttle.Allows(host, &admin, t));
  throttle.Failed(host, &admin, t);  // the fifth: one second
  EXPECT_FALSE(throttle.Allows(host, nullptr, t));
  EXPECT_FALSE(throttle.Allows("10.0.0.2", &admin, t));
  EXPECT_TRUE(throttle.Allows("10.0.0.2", nullptr, t));
  EXPECT_TRUE(throttle.Allows(host, &admin, t + 1s));
  throttle.Failed(host, &admin, t + 1s);  // the sixth: two seconds
  EXPECT_FALSE(throttle.Allows(host, &admin, t + 2999ms));
  EXPECT_TRUE(throttle.Allows(host, &admin, t + 3s));
  for (int i = 0; i < 30; ++i) throttle.Failed(host, &admin, t + 3s);
  EXPECT_FALSE(throttle.Allows(host, &admin, t + 62s));
  EXPECT_TRUE(throttle.Allows(host, &admin, t + 63s));

  // A success clears the host and the account.
  throttle.Succeeded(host, admin);
  throttle.Failed(host, &admin, t + 63s);
  EXPECT_TRUE(throttle.Allows(host, &admin, t + 63s));
  // Failures far apart never add up.
  for (int i = 0; i < 10; ++i) throttle.Failed("10.0.0.3", nullptr, t + i * 16min);
  EXPECT_TRUE(throttle.Allows("10.0.0.3", nullptr, t + 9 * 16min));

  // When the hosts fill the table, the longest-quiet one makes room.
  LoginThrottle full;
  for (int i = 0; i < 5; ++i) full.Failed(host, nullptr, t);
  for (size_t i = 0; i < LoginThrottle::kMaxAddresses; ++i) full.Failed(std::to_string(i) + ".host", nullptr, t + 1ms);
  EXPECT_TRUE(full.Allows(host, nullptr, t + 2ms));
}

}  // namespace
