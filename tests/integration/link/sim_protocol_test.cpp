#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "sim/eeprom_image.h"
#include "sim/protocol_engine.h"

namespace q6::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

class Protocol : public testing::Test {
 protected:
  Bytes Exchange(const Bytes& sent) {
    Bytes answers;
    for (std::uint8_t byte : sent) {
      if (const auto answer = engine.exchange(byte, now)) answers.push_back(*answer);
    }
    return answers;
  }

  Clock::time_point now{};
  Dimmer dimmer{DefaultEepromImage(), Fault::None, DeviceTime{}, now};
  ProtocolEngine engine{dimmer, Fault::None};
};

TEST_F(Protocol, AnswersLogOnAndIdentification) {
  EXPECT_EQ(Exchange(Bytes(10, 0x00)), Bytes(10, 0xAA));
  EXPECT_EQ(Exchange({0x63, 0x05}), (Bytes{0x63, 0x4D}));
}

TEST_F(Protocol, ReadsEepromWordsLowByteFirst) {
  EXPECT_EQ(Exchange({0x06, 0x00, 0x00, 0x05, 0x05, 0x06, 0x00, 0x02, 0x05, 0x05}),
            (Bytes{0x06, 0x00, 0x00, 0x00, 0x06, 0x06, 0x00, 0x02, 0x01, 0x03}));
}

TEST_F(Protocol, WritesEepromAndRamWordsWithTheirEchoes) {
  EXPECT_EQ(Exchange({0x08, 0x00, 0x1C, 0x12, 0x34, 0x05}),
            (Bytes{0x08, 0x00, 0x1C, 0x12, 0x34, 0x05}));
  EXPECT_EQ(dimmer.eepromWord(0x001C), 0x1234);
  EXPECT_EQ(Exchange({0x07, 0x00, 0x90, 0x08, 0xFC, 0x05}),
            (Bytes{0x07, 0x00, 0x90, 0x08, 0xFC, 0x05}));
  EXPECT_EQ(dimmer.ramWord(0x0090), 0x08FC);
}

TEST_F(Protocol, ReadsARamBlockWithItsSum) {
  Bytes request{0x09, 0xA0, 0x00, 0x30};
  request.resize(170, 0x05);
  const Bytes answer = Exchange(request);
  ASSERT_EQ(answer.size(), 170u);
  EXPECT_EQ(Bytes(answer.begin(), answer.begin() + 4), (Bytes{0x09, 0xA0, 0x00, 0x30}));
  for (std::size_t j = 0; j < 80; ++j) {
    const auto address = static_cast<std::uint16_t>(0x0030 + 2 * j);
    EXPECT_EQ(answer[5 + 2 * j] << 8 | answer[4 + 2 * j], dimmer.ramWord(address)) << address;
  }
  const unsigned sum = std::accumulate(answer.begin() + 4, answer.begin() + 164, 0u);
  EXPECT_EQ(answer[164], sum % 256);
  // The block is over: the next bytes are a log-on again.
  EXPECT_EQ(Exchange(Bytes(10, 0x00)), Bytes(10, 0xAA));
}

}  // namespace
}  // namespace q6::sim
