// The poll state machine with the serial worker against the simulated dimmer, in process; the
// test thread plays the user-interface thread and drives the ticks.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "core/link/records.h"
#include "support/in_process_program.h"
#include "tests/unit/link/fake_port.h"

namespace q6 {
namespace {

using sim::Fault;

constexpr const char* kDataError = "       COM Data-Error!       ";

class PollSequenceTest : public test::InProcessProgramTest {
 protected:
  // The states the machine passes through in `ticks` ticks, repeats folded.
  std::vector<int> run(int ticks) {
    std::vector<int> states{form().SioState};
    for (int i = 0; i < ticks; ++i) {
      tick();
      if (states.back() != form().SioState) states.push_back(form().SioState);
    }
    return states;
  }
};

TEST_F(PollSequenceTest, SwitchingOnIdentifiesReadsAndPollsForever) {
  start();
  switchOn();
  EXPECT_EQ(run(18),
            (std::vector<int>{0, 1, 2, 91, 92, 1, 2, 93, 94, 1, 2, 3, 4, 1, 2, 3, 4, 1, 2}));
  EXPECT_TRUE(form().sio_active);
  EXPECT_TRUE(form().link.PortOpen);
  EXPECT_TRUE(form().frame.SPStimer.enabled());
  EXPECT_EQ(form().comm.BtComActivate.caption(), "COM stoppen");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PollSequenceTest, AnswersReachTheirImagesWordForWord) {
  start();
  switchOn();
  tickUntil([this] { return form().SioState == 94; });
  tick();
  for (std::size_t i = 0; i < kEepImageReadWords; ++i) {
    const WordAnswer word = ReadWordAnswer(form().link.RxBuffer, i);
    ASSERT_EQ(form().EepRData[i].adr, word.address) << i;
    ASSERT_EQ(form().EepRData[i].Value, word.value) << i;
    ASSERT_EQ(form().EepWData[i].Value, word.value) << i;
  }
  EXPECT_TRUE(form().EepSynchron);
  EXPECT_TRUE(form().comm.uC_send_bt.enabled());

  tickUntil([this] { return form().SioState == 4; });
  tick();
  for (std::size_t i = 0; i < kRamImageWords; ++i)
    ASSERT_EQ(form().RamRData[i].Value, RamBlockWord(form().link.RxBuffer, i)) << i;
}

TEST_F(PollSequenceTest, DataWriteSendsTheFixedSetThenReadsBack) {
  start();
  switchOn();
  run(14);
  form().EepWData[EepIndex(0x001C)].Value = 4242;
  form().EepWData[EepIndex(0x0110)].Value = 77;
  form().comm.uC_send_bt.click();
  EXPECT_FALSE(form().comm.uC_send_bt.enabled());
  EXPECT_FALSE(form().RamReadRequest);

  std::vector<int> states{form().SioState};
  std::uint32_t writeBatch = 0;
  for (int i = 0; i < 60 && states.size() < 12; ++i) {
    tick();
    if (form().SioState == 8) writeBatch = form().link.TxCount;
    if (states.back() != form().SioState) states.push_back(form().SioState);
  }
  EXPECT_EQ(writeBatch, 366u);
  EXPECT_EQ(states, (std::vector<int>{1, 2, 7, 8, 1, 2, 93, 94, 1, 2, 3, 4}));
  EXPECT_EQ(dimmer->dimmer.eepromWord(0x001C), 4242);
  EXPECT_EQ(dimmer->dimmer.eepromWord(0x0110), 77);
  EXPECT_EQ(form().EepRData[EepIndex(0x001C)].Value, 4242) << "read back from the dimmer";
  EXPECT_EQ(form().tables.StgEeprom.cell(7, EepIndex(0x001C) + 1), "4242");
  EXPECT_TRUE(form().comm.uC_send_bt.enabled());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PollSequenceTest, ErrorMemoryReadSendsTheWholeRingInOneBatch) {
  start();
  switchOn();
  run(12);
  form().ErrMemoryReadRequest = true;
  const std::vector<int> states = run(8);
  const std::vector<int> served{1, 2, 11, 12, 1};
  EXPECT_NE(std::search(states.begin(), states.end(), served.begin(), served.end()), states.end())
      << ::testing::PrintToString(states);
  EXPECT_FALSE(form().ErrMemoryReadRequest);
  EXPECT_TRUE(form().RamReadRequest);
}

TEST_F(PollSequenceTest, ErrorMemoryBatchIs1285Bytes) {
  start();
  switchOn();
  run(12);
  form().ErrMemoryReadRequest = true;
  tickUntil([this] { return form().SioState == 11; });
  tick();
  EXPECT_EQ(form().SioState, 12);
  EXPECT_EQ(form().link.TxCount, 1285u);
  EXPECT_EQ(form().link.RxCount, 1285u);
}

TEST_F(PollSequenceTest, FiveBadLogOnsAreRepeatedSilentlyTheSixthEndsTheConnection) {
  start(Fault::LogOn);
  switchOn();
  int logOns = 0;
  for (int i = 0; i < 40 && form().sio_started; ++i) {
    // With the error flag set the tick goes to the fault state instead of logging on.
    if (form().SioState == 1 && !form().link.DataError) ++logOns;
    tick();
    if (logOns <= 5) {
      EXPECT_TRUE(platform.messages.empty()) << "after " << logOns << " log-ons";
    }
  }
  EXPECT_EQ(logOns, 6);
  EXPECT_EQ(platform.messages, std::vector<std::string>{kDataError});
  EXPECT_FALSE(form().sio_started);
  EXPECT_FALSE(form().frame.SPStimer.enabled());
  EXPECT_EQ(form().frame.SbZustand.panelText(0), "OFFLINE");
  EXPECT_EQ(form().comm.BtComActivate.caption(), "COM aktivieren");
}

TEST_F(PollSequenceTest, SixBadLogOnsSpreadOverALongRunAlsoEndIt) {
  start();
  switchOn();
  run(12);
  // Every third log-on from now on is answered wrongly.
  int logOnsSeen = 0;
  for (int i = 0; i < 200 && form().sio_started; ++i) {
    ASSERT_TRUE(test::WaitUntilIdle(form().link));  // the worker does not read `tamper` now
    if (form().SioState == 1 && !form().link.DataError) {
      ++logOnsSeen;
      const bool spoil = logOnsSeen % 3 == 0;
      dimmer->tamper = [spoil](std::uint8_t* answer, std::size_t count) {
        if (spoil && count == 1 && answer[0] == 0xAA) answer[0] = 0x55;
      };
    } else {
      dimmer->tamper = nullptr;
    }
    tick();
  }
  EXPECT_FALSE(form().sio_started);
  EXPECT_EQ(logOnsSeen, 18) << "the sixth spoiled log-on is the eighteenth";
  EXPECT_EQ(platform.messages, std::vector<std::string>{kDataError});
}

TEST_F(PollSequenceTest, WrongBlockSumGoesStraightToANewLogOn) {
  start(Fault::BlockSum);
  switchOn();
  const std::vector<int> states = run(20);
  const std::vector<int> cycle{3, 4, 1, 2, 3, 4, 1};
  EXPECT_NE(std::search(states.begin(), states.end(), cycle.begin(), cycle.end()), states.end())
      << ::testing::PrintToString(states);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(form().sio_started);
  for (const TData& row : form().RamRData) EXPECT_EQ(row.Value, 0) << "no display changes";
}

TEST_F(PollSequenceTest, PortTheUserMayNotOpenTellsWhatToDoInTheChosenLanguage) {
  start();
  form().english1Click();
  platform.makePort = [] {
    auto port = std::make_unique<test::FakePort>();
    port->refuse = test::FakePort::Call::Open;
    port->openError = EACCES;
    port->openFailure = PortFailure::AccessDenied;
    return port;
  };
  switchOn();
  run(3);
  ASSERT_FALSE(platform.messages.empty());
  EXPECT_EQ(platform.messages[0],
            "Kein Zugriff auf COM1, Fehlernummer: 13\nNo permission: add the user to the group "
            "dialout (sudo usermod -aG dialout $USER) and log in again.");
  EXPECT_FALSE(form().sio_active);
}

TEST_F(PollSequenceTest, EepromReadWithoutRamReadingLeavesTheTimerStopped) {
  start();
  switchOn();
  run(12);
  form().RamReadRequest = false;
  form().EepReadRequest = true;
  run(10);
  EXPECT_EQ(form().SioState, 1);
  EXPECT_FALSE(form().frame.SPStimer.enabled());
  EXPECT_FALSE(form().EepReadRequest);
  // The next request starts it again at the log-on.
  form().comm.uC_read_bt.click();
  EXPECT_TRUE(form().frame.SPStimer.enabled());
  EXPECT_EQ(form().SioState, 1);
}

TEST_F(PollSequenceTest, PortThatCannotBeOpenedReportsThreeMessagesAndStaysOff) {
  start();
  platform.makePort = nullptr;  // no device behind COM1
  switchOn();
  run(3);
  ASSERT_EQ(platform.messages.size(), 3u);
  EXPECT_EQ(platform.messages[0], "Kein Zugriff auf COM1, Fehlernummer: 2");
  EXPECT_EQ(platform.messages[1], kDataError);
  EXPECT_EQ(platform.messages[2], "Error: COM1");
  EXPECT_EQ(form().comm.BtComActivate.caption(), "COM aktivieren");
  EXPECT_FALSE(form().sio_active);
  EXPECT_FALSE(form().frame.SPStimer.enabled());
}

TEST_F(PollSequenceTest, SwitchingOffAndOnKeepsThePortAndSkipsOpening) {
  start();
  switchOn();
  run(12);
  switchOn();  // off
  EXPECT_FALSE(form().sio_started);
  EXPECT_TRUE(form().link.PortOpen);
  EXPECT_EQ(form().SioState, 1);
  EXPECT_FALSE(form().frame.SPStimer.enabled());
  switchOn();  // on again
  const std::vector<int> states = run(6);
  EXPECT_EQ(states.front(), 1) << "no state 0";
  EXPECT_EQ(std::vector<int>(states.begin(), states.begin() + 4), (std::vector<int>{1, 2, 91, 92}));
}

TEST_F(PollSequenceTest, ChoosingThePortInUseChangesNothingAnotherClosesIt) {
  start();
  switchOn();
  run(12);
  form().comm.CbComPort.pick(0);  // COM1 again
  EXPECT_TRUE(form().sio_started);
  EXPECT_TRUE(form().link.PortOpen);

  form().comm.CbComPort.pick(1);
  EXPECT_FALSE(form().sio_started);
  EXPECT_FALSE(form().sio_active);
  EXPECT_FALSE(form().link.PortOpen);
  EXPECT_EQ(form().Ths, nullptr);
  EXPECT_EQ(form().frame.SbZustand.panelText(0), "OFFLINE");
  EXPECT_EQ(form().link.PortName, "COM1") << "the new port is taken at the next switch-on";

  switchOn();
  EXPECT_EQ(form().link.PortName, "COM2");
  EXPECT_EQ(form().SioState, 0);
}

TEST_F(PollSequenceTest, PulledCableEndsTheConnectionOnceAndASwitchOnReopens) {
  start();
  switchOn();
  run(12);
  ASSERT_TRUE(test::WaitUntilIdle(form().link));
  dimmer->unplug();
  run(6);
  EXPECT_EQ(platform.messages, std::vector<std::string>{kDataError});
  EXPECT_FALSE(form().sio_started);
  EXPECT_EQ(form().frame.SbZustand.panelText(0), "OFFLINE");

  switchOn();
  EXPECT_EQ(form().SioState, 0) << "the broken port is opened afresh";
  const std::vector<int> states = run(12);
  EXPECT_EQ(std::vector<int>(states.begin(), states.begin() + 5),
            (std::vector<int>{0, 1, 2, 91, 92}));
  EXPECT_TRUE(form().sio_started);
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(PollSequenceTest, OfflineViewResetsTheTextsButKeepsTheMeasurements) {
  start();
  switchOn();
  run(16);
  const std::string voltage = form().measure.EdUac.text();
  const std::string ramCell = form().tables.StgRamData.cell(3, 1);
  form().modes.BtWrKalUac.setEnabled(true);
  switchOn();  // off

  const LiveStatusControls& live = form().live;
  for (const Label* percent :
       {&live.PRedPoti, &live.PRedAnalog, &live.PRedUhr, &live.PRedSoll, &live.PRedIst})
    EXPECT_EQ(percent->caption(), "0 %") << percent->name();
  EXPECT_EQ(live.bhz_all.caption(), "0,0 h");
  EXPECT_EQ(live.bhz_dim.caption(), "0,0 h");
  EXPECT_EQ(live.LbBetriebsdauerAktuell.caption(), "00:00:00");
  EXPECT_EQ(live.uC_Zeit.caption(), "01.01.2000          00:00");
  EXPECT_EQ(form().frame.SbInfo.panelText(0), "Version: ");
  EXPECT_EQ(form().CurrentRegime, 0);
  EXPECT_FALSE(form().modes.BtWrKalUac.enabled());
  EXPECT_FALSE(form().comm.uC_read_bt.enabled());
  EXPECT_EQ(form().comm.ProgressBar_RAM.position(), 0);
  EXPECT_EQ(live.LedGreen.color(), colors::kInactiveCaption);
  EXPECT_EQ(form().measure.EdUac.color(), colors::kInactiveCaption);
  EXPECT_EQ(form().measure.EdUac.text(), voltage) << "measurements keep their last values";
  EXPECT_EQ(form().tables.StgRamData.cell(3, 1), ramCell);
}

TEST_F(PollSequenceTest, OnlyTheAnswer4DIsSupportedHardware) {
  struct Case {
    Fault fault;
    std::optional<std::uint8_t> identification;  // replaces the dimmer's 0x4D
  };
  for (const auto& [fault, identification] :
       {Case{Fault::OldHardware, std::nullopt}, Case{Fault::None, std::uint8_t{0x00}}}) {
    platform.messages.clear();
    start(fault);
    if (identification) {
      const std::uint8_t answer = *identification;
      dimmer->tamper = [answer](std::uint8_t* bytes, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i)
          if (bytes[i] == 0x4D) bytes[i] = answer;
      };
    }
    switchOn();
    run(6);
    EXPECT_TRUE(form().hw_old);
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{
                  "Diese Hardware wird von der Oberfläche nicht unterstützt!\r\n"
                  "Bitte benutzen Sie einer Visualisierung mit Softwarestand > 5.5"});
    EXPECT_FALSE(form().sio_started);
    EXPECT_FALSE(form().frame.SPStimer.enabled());
  }
}

TEST_F(PollSequenceTest, ClosingTheWindowClosesThePortAndReportsAPendingError) {
  start();
  switchOn();
  run(12);
  form().link.DataError = true;
  form().FormCloseQuery();
  EXPECT_FALSE(form().link.PortOpen);
  EXPECT_EQ(form().Ths, nullptr);
  EXPECT_EQ(platform.messages, std::vector<std::string>{kDataError});
}

}  // namespace
}  // namespace q6
