#include "core/link/records.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace q6 {
namespace {

class CountingRequester : public TransferRequester {
 public:
  explicit CountingRequester(const LinkState& link) : link_(link) {}
  void RequestTransfer() override {
    ++requests;
    rxDoneAtRequest = link_.RxDone;
  }
  int requests = 0;
  bool rxDoneAtRequest = true;

 private:
  const LinkState& link_;
};

struct SendCall {
  std::uint16_t cfg, start, anz, offset;
};

struct LayoutCase {
  const char* name;
  std::vector<SendCall> calls;
  std::size_t position;
  std::vector<std::uint8_t> bytes;
  std::vector<std::uint8_t> checks;
};

class SendSioLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(SendSioLayout, PutsRecordsAndCheckCodesAtTheirSlots) {
  LinkState link;
  CountingRequester sio(link);
  int sioState = 1;
  for (const SendCall& call : GetParam().calls) {
    send_sio(link, sio, sioState, call.cfg, call.start, call.anz, call.offset);
  }
  const std::size_t p = GetParam().position;
  const auto size = static_cast<long>(GetParam().bytes.size());
  EXPECT_EQ(std::vector<std::uint8_t>(link.TxBuffer.begin() + p, link.TxBuffer.begin() + p + size),
            GetParam().bytes);
  EXPECT_EQ(
      std::vector<std::uint8_t>(link.CheckMask.begin() + p, link.CheckMask.begin() + p + size),
      GetParam().checks);
  EXPECT_EQ(sio.requests, 0);
  EXPECT_EQ(sioState, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Records, SendSioLayout,
    testing::Values(
        LayoutCase{"ErrorMemoryFirstSlot",
                   {{2, 0x0200, 256, 0}, {2, 0x01FE, 1, 256}},
                   0,
                   {0x06, 0x02, 0x00, 0x05, 0x05, 0x06, 0x02, 0x02},
                   {1, 1, 1, 0, 0, 1, 1, 1}},
        LayoutCase{"ErrorMemoryPointerInSlot256",
                   {{2, 0x0200, 256, 0}, {2, 0x01FE, 1, 256}},
                   1275,
                   {0x06, 0x03, 0xFE, 0x05, 0x05, 0x06, 0x01, 0xFE, 0x05, 0x05, 0x00},
                   {1, 1, 1, 0, 0, 1, 1, 1, 0, 0, 0}},
        LayoutCase{"EepromWordWrittenTwice",
                   {{4, 0x0110, 0xBEEF, 50}, {4, 0x0110, 0xBEEF, 51}},
                   300,
                   {0x08, 0x01, 0x10, 0xBE, 0xEF, 0x05, 0x08, 0x01, 0x10, 0xBE, 0xEF, 0x05},
                   {1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 0}},
        LayoutCase{"RamWordTakeOverCommand",
                   {{3, 0x006C, 2, 60}},
                   360,
                   {0x07, 0x00, 0x6C, 0x00, 0x02, 0x05},
                   {1, 1, 1, 1, 1, 0}},
        LayoutCase{"ValueGoesOutHighByteFirst",
                   {{3, 0x0100, 0x1234, 0}},
                   0,
                   {0x07, 0x01, 0x00, 0x12, 0x34, 0x05},
                   {1, 1, 1, 1, 1, 0}},
        LayoutCase{"NoWordsWriteNothing", {{2, 0x0000, 0, 0}}, 0, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
        LayoutCase{"UnknownCfgWritesNothing",
                   {{5, 0x1234, 1, 0}},
                   0,
                   {0, 0, 0, 0, 0, 0},
                   {0, 0, 0, 0, 0, 0}}),
    [](const testing::TestParamInfo<LayoutCase>& param) { return param.param.name; });

TEST(SendSio, RamBlockReadBuildsTheBlockAndStartsItsTransfer) {
  LinkState link;
  link.RxDone = true;
  link.CheckMask.fill(1);
  CountingRequester sio(link);
  int sioState = 3;

  send_sio(link, sio, sioState, 9, 0x0030, 80, 0);

  const std::vector<std::uint8_t> header(link.TxBuffer.begin(), link.TxBuffer.begin() + 4);
  EXPECT_EQ(header, (std::vector<std::uint8_t>{0x09, 0xA0, 0x00, 0x30}));
  EXPECT_TRUE(std::all_of(link.TxBuffer.begin() + 4, link.TxBuffer.begin() + 170,
                          [](std::uint8_t byte) { return byte == 0x05; }));
  EXPECT_TRUE(std::all_of(link.CheckMask.begin(), link.CheckMask.begin() + 4,
                          [](std::uint8_t check) { return check == 1; }));
  EXPECT_TRUE(std::all_of(link.CheckMask.begin() + 4, link.CheckMask.begin() + 170,
                          [](std::uint8_t check) { return check == 0; }));
  EXPECT_EQ(link.TxBuffer[170], 0);
  EXPECT_EQ(link.TxCount, 170u);
  EXPECT_EQ(link.RxCount, 170u);
  EXPECT_EQ(link.TxSource, link.TxBuffer.data());
  EXPECT_EQ(sio.requests, 1);
  EXPECT_FALSE(sio.rxDoneAtRequest);
  EXPECT_EQ(sioState, 4);
}

TEST(StartBatch, HandsOverAPreparedBatchAndMovesOn) {
  LinkState link;
  link.RxDone = true;
  CountingRequester sio(link);
  int sioState = 91;

  StartBatch(link, sio, sioState, 2, 92);

  EXPECT_EQ(link.TxCount, 2u);
  EXPECT_EQ(link.RxCount, 2u);
  EXPECT_EQ(link.TxSource, link.TxBuffer.data());
  EXPECT_EQ(sio.requests, 1);
  // The worker may answer at once, so the flag must already be clear when it gets the batch.
  EXPECT_FALSE(sio.rxDoneAtRequest);
  EXPECT_EQ(sioState, 92);
}

TEST(Answers, WordsComeBackLowByteFirst) {
  Buffer rx{};
  const std::uint8_t slot3[] = {0x06, 0x01, 0x4E, 0x34, 0x12};
  std::copy(std::begin(slot3), std::end(slot3), rx.begin() + 15);
  const WordAnswer answer = ReadWordAnswer(rx, 3);
  EXPECT_EQ(answer.address, 0x014E);
  EXPECT_EQ(answer.value, 0x1234);
}

TEST(Answers, RamBlockWordsAndSum) {
  Buffer rx{};
  rx[2] = 0x00;
  rx[3] = 0x30;
  unsigned sum = 0;
  for (std::size_t i = 4; i < 164; ++i) {
    rx[i] = static_cast<std::uint8_t>(i * 7);
    sum += rx[i];
  }
  rx[164] = static_cast<std::uint8_t>(sum);
  EXPECT_EQ(RamBlockStart(rx), 0x0030);
  EXPECT_EQ(RamBlockWord(rx, 0), rx[5] << 8 | rx[4]);
  EXPECT_EQ(RamBlockWord(rx, 79), rx[163] << 8 | rx[162]);
  EXPECT_TRUE(RamBlockSumValid(rx, 80));
  ++rx[164];
  EXPECT_FALSE(RamBlockSumValid(rx, 80));
}

TEST(Answers, OnlyTheSupportedGenerationIdentifiesItself) {
  struct Case {
    std::uint8_t echo, id;
    bool supported;
  };
  for (const Case& c : {Case{0x63, 0x4D, true}, Case{0x63, 0x05, false}, Case{0x9C, 0x4D, false}}) {
    Buffer rx{};
    rx[0] = c.echo;
    rx[1] = c.id;
    EXPECT_EQ(IsSupportedHardware(rx), c.supported) << int{c.echo} << " " << int{c.id};
  }
}

}  // namespace
}  // namespace q6
