#include "core/link/transfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/link/progress.h"
#include "tests/unit/link/fake_port.h"

namespace q6 {
namespace {

using test::FakePort;

// A link with a port, fresh for every case.
struct Rig {
  // Prepares `count` bytes 0x10, 0x11, … with every position checked.
  void Prepare(std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i) {
      link.TxBuffer[i] = static_cast<std::uint8_t>(0x10 + i);
      link.CheckMask[i] = 1;
    }
    link.TxCount = link.RxCount = count;
    link.TxSource = link.TxBuffer.data();
    link.anmeldung = true;
  }

  void RunTransfer() {
    DoTransfer(
        link, port,
        [this](int percent, bool last) {
          percents.push_back(percent);
          lastFlags.push_back(last);
        },
        stopping);
  }

  void ExpectEndSteps() {
    EXPECT_TRUE(std::all_of(link.CheckMask.begin(), link.CheckMask.end(),
                            [](std::uint8_t check) { return check == 0; }));
    EXPECT_EQ(link.TxSource, nullptr);
    EXPECT_FALSE(link.anmeldung);
    EXPECT_FALSE(link.running);
  }

  LinkState link;
  FakePort port;
  std::atomic<bool> stopping{false};
  std::vector<int> percents;
  std::vector<bool> lastFlags;
};

class Transfer : public testing::Test, protected Rig {};

TEST_F(Transfer, SendsOneBytePerStepWithTheFixedTimeouts) {
  Prepare(12);
  RunTransfer();
  EXPECT_EQ(port.writeSizes, std::vector<std::size_t>(12, 1));
  EXPECT_EQ(port.readSizes, std::vector<std::size_t>(12, 1));
  ASSERT_TRUE(port.timeouts);
  EXPECT_EQ(port.timeouts->readInterval, 250);
  EXPECT_EQ(port.timeouts->readTotalPerByte, 1);
  EXPECT_EQ(port.timeouts->readTotalConstant, 30);
  EXPECT_EQ(port.timeouts->writeTotalPerByte, 10);
  EXPECT_EQ(port.timeouts->writeTotalConstant, 20);
  EXPECT_EQ(port.purges, 1);
  EXPECT_TRUE(link.RxDone);
  EXPECT_FALSE(link.DataError);
  EXPECT_TRUE(std::equal(link.RxBuffer.begin(), link.RxBuffer.begin() + 12, link.TxBuffer.begin()));
  ExpectEndSteps();
}

TEST(TransferSettings, ReadTimeoutAndChunkSizeAreClampedIntoTheirRanges) {
  struct Case {
    int readTimeout, chunkSize, expectedTimeout;
    std::size_t expectedWrites;
  };
  for (const Case c : {Case{0, 0, 30, 10}, Case{500, 3, 500, 4}, Case{1000, 200, 800, 1}}) {
    Rig rig;
    rig.link.ReadTimeout = c.readTimeout;
    rig.link.ChunkSize = c.chunkSize;
    rig.Prepare(10);
    rig.RunTransfer();
    ASSERT_TRUE(rig.port.timeouts);
    EXPECT_EQ(rig.port.timeouts->readTotalConstant, c.expectedTimeout) << c.readTimeout;
    EXPECT_EQ(rig.port.writeSizes.size(), c.expectedWrites) << c.chunkSize;
  }
}

struct EchoCase {
  const char* name;
  std::vector<std::uint8_t> mask;
  // Position whose answer differs from the byte sent.
  std::size_t wrongAt;
  bool dataError;
};

class EchoCheck : public Transfer, public testing::WithParamInterface<EchoCase> {};

TEST_P(EchoCheck, ComparesOnlyMarkedPositionsAndOnlyWhenTheFirstIsMarked) {
  Prepare(6);
  std::copy(GetParam().mask.begin(), GetParam().mask.end(), link.CheckMask.begin());
  std::size_t position = 0;
  port.answer = [&](std::uint8_t byte) {
    return std::optional<std::uint8_t>(position++ == GetParam().wrongAt ? byte ^ 0x40 : byte);
  };
  RunTransfer();
  EXPECT_EQ(link.DataError, GetParam().dataError);
  ExpectEndSteps();
}

INSTANTIATE_TEST_SUITE_P(
    Transfer, EchoCheck,
    testing::Values(EchoCase{"AllZeroMaskChecksNothing", {0, 0, 0, 0, 0, 0}, 0, false},
                    EchoCase{"FirstZeroDisablesLaterMarks", {0, 1, 1, 1, 1, 1}, 3, false},
                    EchoCase{"DataInUnmarkedPositionPasses", {1, 1, 1, 0, 0, 1}, 4, false},
                    EchoCase{"WrongEchoInMarkedPosition", {1, 1, 1, 0, 0, 1}, 5, true},
                    EchoCase{"WrongFirstEcho", {1, 0, 0, 0, 0, 0}, 0, true},
                    EchoCase{"AllEchoesRight", {1, 1, 1, 1, 1, 1}, 99, false}),
    [](const testing::TestParamInfo<EchoCase>& param) { return param.param.name; });

TEST_F(Transfer, WithoutBytesItOnlyRunsTheEndSteps) {
  Prepare(0);
  link.CheckMask[0] = 1;
  RunTransfer();
  EXPECT_TRUE(port.writeSizes.empty());
  EXPECT_TRUE(port.readSizes.empty());
  EXPECT_FALSE(link.RxDone);
  ExpectEndSteps();
}

TEST_F(Transfer, WithNothingPreparedItOnlyPurgesAndRunsTheEndSteps) {
  Prepare(10);
  link.TxSource = nullptr;
  RunTransfer();
  EXPECT_EQ(port.purges, 1);
  EXPECT_FALSE(port.timeouts);
  EXPECT_TRUE(port.writeSizes.empty());
  EXPECT_FALSE(link.DataError);
  ExpectEndSteps();
}

TEST_F(Transfer, SilentDeviceLeavesTheOldAnswersInPlace) {
  Prepare(10);
  std::fill_n(link.RxBuffer.begin(), 10, 0x77);
  link.CheckMask.fill(0);
  port.answer = [](std::uint8_t) { return std::optional<std::uint8_t>(); };
  RunTransfer();
  EXPECT_EQ(port.readSizes, std::vector<std::size_t>(10, 1));
  EXPECT_TRUE(std::all_of(link.RxBuffer.begin(), link.RxBuffer.begin() + 10,
                          [](std::uint8_t byte) { return byte == 0x77; }));
  EXPECT_TRUE(link.RxDone);
  EXPECT_FALSE(link.DataError);
}

TEST_F(Transfer, PendingDataErrorStopsAfterTheFirstStep) {
  Prepare(10);
  link.DataError = true;
  RunTransfer();
  EXPECT_EQ(port.writeSizes.size(), 1u);
  EXPECT_TRUE(link.DataError);
  ExpectEndSteps();
}

TEST_F(Transfer, RefusedPortEndsTheRequestWithDataError) {
  Prepare(10);
  link.PortFailed = true;
  RunTransfer();
  EXPECT_EQ(port.purges, 0);
  EXPECT_TRUE(port.writeSizes.empty());
  EXPECT_TRUE(link.DataError);
  ExpectEndSteps();
}

TEST(TransferFailure, FailingPortEndsTheTransferWithDataError) {
  struct Case {
    const char* name;
    std::optional<FakePort::Call> refuse;
    std::optional<std::size_t> unplugAfterWrites;
    std::size_t expectedWrites;
  };
  for (const Case& c : {Case{"purge", FakePort::Call::Purge, {}, 0},
                        Case{"read", FakePort::Call::Read, {}, 1}, Case{"unplugged", {}, 3, 3}}) {
    Rig rig;
    rig.port.refuse = c.refuse;
    rig.port.unplugAfterWrites = c.unplugAfterWrites;
    rig.Prepare(10);
    rig.RunTransfer();
    EXPECT_EQ(rig.port.writeSizes.size(), c.expectedWrites) << c.name;
    EXPECT_TRUE(rig.link.DataError) << c.name;
    rig.ExpectEndSteps();
  }
}

TEST_F(Transfer, StopRequestEndsTheTransferWithDataError) {
  Prepare(10);
  port.onRead = [&] {
    if (port.readSizes.size() == 2) stopping = true;
  };
  RunTransfer();
  EXPECT_EQ(port.writeSizes.size(), 3u);
  EXPECT_TRUE(link.DataError);
  ExpectEndSteps();
}

// Only the last report says so, wherever the chunks let the steps fall.
TEST(TransferProgress, ReportsProgressAtEveryFifthByteAndMarksTheLast) {
  struct Case {
    std::uint32_t count;
    int chunkSize;
    std::size_t reports;
    int last;
  };
  for (const Case c : {Case{170, 1, 34, 97}, Case{840, 1, 168, 99}, Case{10, 1, 2, 50},
                       Case{1, 1, 1, 0}, Case{170, 2, 17, 94}, Case{170, 3, 12, 97}}) {
    Rig rig;
    rig.Prepare(c.count);
    rig.link.ChunkSize = c.chunkSize;
    rig.RunTransfer();
    ASSERT_EQ(rig.percents.size(), c.reports) << c.count << "/" << c.chunkSize;
    EXPECT_EQ(rig.percents.front(), 0);
    EXPECT_EQ(rig.percents.back(), c.last) << c.count << "/" << c.chunkSize;
    std::vector<bool> onlyTheLast(c.reports, false);
    onlyTheLast.back() = true;
    EXPECT_EQ(rig.lastFlags, onlyTheLast) << c.count << "/" << c.chunkSize;
  }
}

}  // namespace
}  // namespace q6
