// The serial worker against the simulated dimmer, in process: the batches of the sequencer and
// what their answers look like for a healthy and for each misbehaving dimmer.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/link/records.h"
#include "core/link/sio.h"
#include "sim/simulated_port.h"
#include "support/link_doubles.h"

namespace q6 {
namespace {

using sim::Clock;
using sim::Fault;

class LinkWithSimulator {
 public:
  explicit LinkWithSimulator(Fault fault)
      : dimmer_(sim::DefaultEepromImage(), fault, sim::DeviceTime{}, Clock::now()),
        engine_(dimmer_, fault) {
    auto port = std::make_unique<sim::SimulatedPort>(engine_, [] { return Clock::now(); });
    port_ = port.get();
    link.PortName = "COM1";
    sio_ = TSio::Create(link, std::move(port),
                        SioServices{executor_, dialog_, bars_, [this] { return sioState; }, {}});
  }

  // Runs one batch as the sequencer does and waits for its end.
  void LogOn() {
    std::fill_n(link.TxBuffer.begin(), 10, 0x00);
    std::fill_n(link.CheckMask.begin(), 10, 0);
    Finish(10);
  }
  void Identify() {
    link.TxBuffer[0] = 0x63;
    link.TxBuffer[1] = 0x05;
    link.CheckMask[0] = 1;
    link.CheckMask[1] = 0;
    Finish(2);
  }
  void ReadEeprom() {
    send_sio(link, *sio_, sioState, 2, 0x0000, 168, 0);
    Finish(840);
  }
  void ReadRamBlock() {
    send_sio(link, *sio_, sioState, 9, 0x0030, 80, 0);
    ASSERT_TRUE(test::WaitUntilIdle(link));
  }
  void WriteEepromWord(std::uint16_t address, std::uint16_t value) {
    send_sio(link, *sio_, sioState, 4, address, value, 0);
    send_sio(link, *sio_, sioState, 3, 0x006C, 2, 1);
    Finish(12);
  }
  void ReadErrorMemory() {
    send_sio(link, *sio_, sioState, 2, 0x0200, 256, 0);
    send_sio(link, *sio_, sioState, 2, 0x01FE, 1, 256);
    Finish(1285);
  }
  void Unplug() { port_->unplug(); }

  bool LogOnGood() const {
    return std::all_of(link.RxBuffer.begin(), link.RxBuffer.begin() + 10,
                       [](std::uint8_t byte) { return byte == 0xAA; });
  }

  LinkState link;
  int sioState = 1;

 private:
  void Finish(std::uint32_t length) {
    StartBatch(link, *sio_, sioState, length, 2);
    ASSERT_TRUE(test::WaitUntilIdle(link));
  }

  sim::Dimmer dimmer_;
  sim::ProtocolEngine engine_;
  sim::SimulatedPort* port_ = nullptr;
  // Never run: these tests look at the answers, not at the progress display.
  test::QueuedExecutor executor_;
  test::RecordingDialog dialog_;
  test::RecordingBars bars_;
  std::unique_ptr<TSio> sio_;
};

TEST(LinkWithSimulator, HealthyDimmerServesEveryBatch) {
  LinkWithSimulator dimmer(Fault::None);
  ASSERT_TRUE(dimmer.link.PortOpen);
  LinkState& link = dimmer.link;

  dimmer.LogOn();
  EXPECT_TRUE(dimmer.LogOnGood());
  dimmer.Identify();
  EXPECT_TRUE(IsSupportedHardware(link.RxBuffer));

  dimmer.ReadEeprom();
  const sim::EepromImage image = sim::DefaultEepromImage();
  for (std::size_t slot = 0; slot < 168; ++slot) {
    const WordAnswer word = ReadWordAnswer(link.RxBuffer, slot);
    EXPECT_EQ(word.address, 2 * slot);
    EXPECT_EQ(word.value, image[slot]) << "word " << slot;
  }

  dimmer.ReadRamBlock();
  EXPECT_EQ(dimmer.sioState, 4);
  EXPECT_EQ(RamBlockStart(link.RxBuffer), 0x0030);
  EXPECT_TRUE(RamBlockSumValid(link.RxBuffer, 80));

  dimmer.WriteEepromWord(0x001C, 4242);
  dimmer.ReadEeprom();
  EXPECT_EQ(ReadWordAnswer(link.RxBuffer, 0x001C / 2).value, 4242);

  dimmer.ReadErrorMemory();
  EXPECT_EQ(ReadWordAnswer(link.RxBuffer, 256).address, 0x01FE);
  EXPECT_EQ(ReadWordAnswer(link.RxBuffer, 256).value & 0xFF, 3);
  EXPECT_FALSE(link.DataError);
}

TEST(LinkWithSimulator, EachFaultShowsWhereTheProgramLooksForIt) {
  struct Case {
    Fault fault;
    bool logOnGood, dataError, supportedHardware, blockSumValid;
    std::uint16_t idWord, protocol;
  };
  for (const Case& c : {
           Case{Fault::LogOn, false, false, true, true, 0x0600, 0x0301},
           Case{Fault::Echo, true, true, true, true, 0x0600, 0x0301},
           Case{Fault::BlockSum, true, false, true, false, 0x0600, 0x0301},
           Case{Fault::OldHardware, true, false, false, true, 0x0600, 0x0301},
           Case{Fault::WrongId, true, false, true, true, 0x0601, 0x0301},
           Case{Fault::WrongProtocol, true, false, true, true, 0x0600, 0x0402},
       }) {
    SCOPED_TRACE(std::string(sim::FaultName(c.fault)));
    LinkWithSimulator dimmer(c.fault);
    LinkState& link = dimmer.link;
    dimmer.LogOn();
    EXPECT_EQ(dimmer.LogOnGood(), c.logOnGood);
    dimmer.Identify();
    EXPECT_EQ(link.DataError, c.dataError);
    EXPECT_EQ(IsSupportedHardware(link.RxBuffer), c.supportedHardware && !c.dataError);
    link.DataError = false;
    dimmer.ReadEeprom();
    EXPECT_EQ(ReadWordAnswer(link.RxBuffer, 0).value, c.idWord);
    EXPECT_EQ(ReadWordAnswer(link.RxBuffer, 1).value, c.protocol);
    dimmer.ReadRamBlock();
    EXPECT_EQ(RamBlockSumValid(link.RxBuffer, 80), c.blockSumValid);
    EXPECT_FALSE(link.DataError);
  }
}

TEST(LinkWithSimulator, SilentDimmerFailsTheEchoCheckAndKeepsOldAnswers) {
  LinkWithSimulator dimmer(Fault::Silent);
  LinkState& link = dimmer.link;
  dimmer.LogOn();
  EXPECT_FALSE(dimmer.LogOnGood());
  EXPECT_FALSE(link.DataError);
  link.RxBuffer[0] = 0x11;
  link.RxBuffer[1] = 0x22;
  dimmer.Identify();
  // The old answers stay in the buffer, so the echo check finds them.
  EXPECT_TRUE(link.DataError);
  EXPECT_EQ(link.RxBuffer[0], 0x11);
  EXPECT_EQ(link.RxBuffer[1], 0x22);
}

TEST(LinkWithSimulator, UnpluggedDimmerEndsTheTransferWithDataError) {
  LinkWithSimulator dimmer(Fault::None);
  dimmer.LogOn();
  dimmer.Unplug();
  dimmer.ReadErrorMemory();
  EXPECT_TRUE(dimmer.link.DataError);
  EXPECT_EQ(dimmer.link.TxSource, nullptr);
}

}  // namespace
}  // namespace q6
