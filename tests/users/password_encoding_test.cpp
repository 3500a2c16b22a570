// The password encoder: HMAC-MD5 against the RFC 2104 and RFC 2202 test
// vectors, the component reached by its ProgID, its errors under the
// encoding's own source, and the digest comparison.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/automation/collection.h"
#include "platform/automation/progid_factory.h"
#include "users/md5_encoder.h"
#include "users/password_encoding.h"
#include "users_fixture.h"

namespace corvela::users {
namespace {

TEST(Md5EncoderTest, HmacMd5MatchesThePublishedVectors) {
  struct Case {
    std::string key, data, digest;
  } cases[] = {
      // RFC 2104, appendix.
      {std::string(16, '\x0b'), "Hi There", "9294727a3638bb1c13f48ef8158bfc9d"},
      {"Jefe", "what do ya want for nothing?", "750c783e6ab0b503eaa86e310a5db738"},
      {std::string(16, '\xaa'), std::string(50, '\xdd'), "56be34521d144c88dbb8c733f0e8b3f6"},
      // RFC 2202: a key longer than MD5's 64-byte block is hashed first.
      {std::string(80, '\xaa'), "Test Using Larger Than Block-Size Key - Hash Key First",
       "6b1ab7fe4bd7bf8f0b62e6ce61b9d0cd"},
      // An empty key is a key of zero bytes, not "no key".
      {"", "", "74e6f7298a9c2d168935f58c001bad88"},
  };
  for (const Case& c : cases) EXPECT_EQ(hmacMd5Hex(c.data, c.key), c.digest) << c.data;
}

TEST(Md5EncoderTest, ComponentAnswersByItsProgId) {
  std::shared_ptr<Object> encoder = createObject("myMd5.Encode");
  Variant args[] = {Variant("what do ya want for nothing?"), Variant("Jefe")};
  EXPECT_EQ(encoder->call("Hmac", args).toString(), "750c783e6ab0b503eaa86e310a5db738");
}

// Stored passwords depend on these exact texts (HMAC-MD5 under the fixed
// key, of the UTF-8 bytes).
TEST(PasswordEncodingTest, EncodingsMatchThoseStoredByEarlierInstallations) {
  EXPECT_EQ(EncodePassword("secret"), "2609b612f5e90e41c8c731ed070ad0b0");
  EXPECT_EQ(EncodePassword("密码"), "4af21151dc6889957878deb34a5223ad");
}

// A failing component's error keeps its number and description and takes
// the encoding's source.
TEST(PasswordEncodingTest, EncoderErrorsComeUnderTheEncryptSource) {
  registerClass("myMd5.Encode", [] { return std::make_shared<Collection>(); });
  EXPECT_EQ(raised([] { EncodePassword("x"); }),
            (Raised{438, "UserObject:Encrypt Error", "Object doesn't support this property or method"}));
  registerClass("myMd5.Encode", [] { return std::make_shared<Md5Encoder>(); });
}

TEST(PasswordEncodingTest, SameEncodedPasswordNeedsEveryByteAndTheLength) {
  std::string digest = EncodePassword("secret");
  EXPECT_TRUE(sameEncodedPassword(digest, digest));
  EXPECT_FALSE(sameEncodedPassword(digest, digest.substr(0, 31) + "1"));
  EXPECT_FALSE(sameEncodedPassword(digest, digest.substr(0, 31)));
  EXPECT_FALSE(sameEncodedPassword(digest, ""));
}

}  // namespace
}  // namespace corvela::users
