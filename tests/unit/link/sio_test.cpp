#include "core/link/sio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "core/link/port_names.h"
#include "support/link_doubles.h"
#include "tests/unit/link/fake_port.h"

namespace q6 {
namespace {

using test::FakePort;

class Sio : public testing::Test {
 protected:
  // Opens the worker on a fake port; `port` stays usable for inspection while the worker lives.
  std::unique_ptr<TSio> Open(const std::function<void(FakePort&)>& arrange = {}) {
    auto fake = std::make_unique<FakePort>();
    if (arrange) arrange(*fake);
    port = fake.get();
    link.PortName = "COM3";
    const SioServices services{.executor = *executor,
                               .messages = dialog,
                               .progressBars = bars,
                               .sioState = [this] { return sioState; },
                               .pathSetup = "/nonexistent-setup",
                               .accessDeniedHint = accessDeniedHint};
    return TSio::Create(link, std::move(fake), services);
  }

  void RequestEcho(TSio& sio, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i) {
      link.TxBuffer[i] = static_cast<std::uint8_t>(i);
      link.CheckMask[i] = 1;
    }
    link.TxCount = link.RxCount = count;
    link.TxSource = link.TxBuffer.data();
    link.RxDone = false;
    sio.RequestTransfer();
  }

  LinkState link;
  FakePort* port = nullptr;
  test::DirectExecutor direct;
  Executor* executor = &direct;
  test::RecordingDialog dialog;
  test::RecordingBars bars;
  int sioState = 1;
  std::string accessDeniedHint = "Join the group.";
};

TEST_F(Sio, OpensTheResolvedDeviceAndPreparesTheBuffers) {
  link.RxBuffer.fill(0xEE);
  link.DataError = true;
  link.PortFailed = true;
  link.anmeldung = true;
  auto sio = Open();
  ASSERT_TRUE(sio);
  EXPECT_EQ(port->openedDevice, ResolvePortDevice("COM3", "/nonexistent-setup"));
  EXPECT_TRUE(link.PortOpen);
  EXPECT_FALSE(link.PortFailed);
  EXPECT_FALSE(link.DataError);
  EXPECT_FALSE(link.anmeldung);
  EXPECT_TRUE(std::all_of(link.RxBuffer.begin(), link.RxBuffer.begin() + 6144,
                          [](std::uint8_t byte) { return byte == 0; }));
  EXPECT_TRUE(dialog.messages.empty());
}

TEST_F(Sio, PortThatCannotBeOpenedIsReportedWithItsErrorNumber) {
  auto sio = Open([](FakePort& fake) { fake.refuse = FakePort::Call::Open; });
  ASSERT_TRUE(sio);
  EXPECT_FALSE(link.PortOpen);
  EXPECT_TRUE(link.DataError);
  EXPECT_EQ(dialog.messages, std::vector<std::string>{"Kein Zugriff auf COM3, Fehlernummer: 2"});
}

TEST_F(Sio, OnlyADeniedAccessAddsTheHintAsASecondLine) {
  struct Case {
    int error;
    PortFailure failure;
    const char* hint;
    const char* message;
  };
  const Case cases[] = {
      {EACCES, PortFailure::AccessDenied, "Join the group.",
       "Kein Zugriff auf COM3, Fehlernummer: 13\nJoin the group."},
      {EPERM, PortFailure::AccessDenied, "Join the group.",
       "Kein Zugriff auf COM3, Fehlernummer: 1\nJoin the group."},
      // A port locked by another program: the number says permission, the port knows better.
      {EACCES, PortFailure::Other, "Join the group.", "Kein Zugriff auf COM3, Fehlernummer: 13"},
      {EBUSY, PortFailure::Other, "Join the group.", "Kein Zugriff auf COM3, Fehlernummer: 16"},
      {EACCES, PortFailure::AccessDenied, "", "Kein Zugriff auf COM3, Fehlernummer: 13"},
  };
  for (const Case& c : cases) {
    dialog.messages.clear();
    accessDeniedHint = c.hint;
    auto sio = Open([&c](FakePort& fake) {
      fake.refuse = FakePort::Call::Open;
      fake.openError = c.error;
      fake.openFailure = c.failure;
    });
    ASSERT_TRUE(sio);
    EXPECT_FALSE(link.PortOpen) << c.message;
    EXPECT_TRUE(link.DataError) << c.message;
    EXPECT_EQ(dialog.messages, std::vector<std::string>{c.message});
  }
}

TEST_F(Sio, RefusedLineSettingsLeaveThePortOpenButFailed) {
  auto sio = Open([](FakePort& fake) { fake.refuse = FakePort::Call::LineSettings; });
  ASSERT_TRUE(sio);
  EXPECT_TRUE(link.PortOpen);
  EXPECT_TRUE(link.PortFailed);
  EXPECT_TRUE(link.DataError);
  EXPECT_EQ(dialog.messages, std::vector<std::string>{"Kein Zugriff auf COM3, Fehlernummer: 22"});

  // A request on the failed port ends like any failed transfer instead of staying pending.
  RequestEcho(*sio, 10);
  ASSERT_TRUE(test::WaitUntilIdle(link));
  EXPECT_TRUE(link.DataError);
  EXPECT_EQ(link.TxSource, nullptr);
}

TEST_F(Sio, RunsExactlyOneTransferPerRequestEvenRightAfterTheLastOne) {
  auto sio = Open();
  ASSERT_TRUE(sio);
  for (int round = 0; round < 200; ++round) {
    RequestEcho(*sio, 3);
    ASSERT_TRUE(test::WaitUntilIdle(link)) << "round " << round;
  }
  EXPECT_EQ(port->purges, 200);
  EXPECT_EQ(port->writeSizes.size(), 600u);
  EXPECT_FALSE(link.DataError);
  EXPECT_TRUE(link.RxDone);
}

TEST_F(Sio, RequestWhilePendingIsIgnored) {
  auto sio = Open([](FakePort& fake) {
    fake.onRead = [] { std::this_thread::sleep_for(std::chrono::milliseconds(1)); };
  });
  ASSERT_TRUE(sio);
  RequestEcho(*sio, 20);
  sio->RequestTransfer();
  ASSERT_TRUE(test::WaitUntilIdle(link));
  EXPECT_EQ(port->purges, 1);
}

TEST_F(Sio, ProgressChoosesTheBarByTheSequencerState) {
  auto sio = Open();
  ASSERT_TRUE(sio);
  sioState = 94;
  RequestEcho(*sio, 840);
  ASSERT_TRUE(test::WaitUntilIdle(link));
  const std::vector<int> eeprom = bars.history(TransferBar::Eeprom);
  ASSERT_GE(eeprom.size(), 2u);
  EXPECT_EQ(eeprom.front(), 0);
  EXPECT_EQ(eeprom.back(), 99);
  EXPECT_TRUE(std::is_sorted(eeprom.begin(), eeprom.end())) << testing::PrintToString(eeprom);
  const std::vector<int> ram = bars.history(TransferBar::Ram);
  EXPECT_TRUE(std::all_of(ram.begin(), ram.end(), [](int position) { return position == 0; }));
}

// The bar starts at nothing and ends where the transfer ended; between them it moves at most once
// a frame, however fast the steps come.
TEST_F(Sio, ProgressReachesTheBarsAtMostOnceAFrame) {
  auto sio = Open([](FakePort& fake) {
    fake.onRead = [] { std::this_thread::sleep_for(std::chrono::milliseconds(3)); };
  });
  ASSERT_TRUE(sio);
  sioState = 4;
  const auto start = std::chrono::steady_clock::now();
  RequestEcho(*sio, 170);
  ASSERT_TRUE(test::WaitUntilIdle(link));
  const auto elapsed = std::chrono::steady_clock::now() - start;
  const std::vector<int> ram = bars.history(TransferBar::Ram);
  ASSERT_GE(ram.size(), 3u) << "a transfer of many frames shows steps between its ends";
  EXPECT_EQ(ram.front(), 0);
  EXPECT_EQ(ram.back(), 97);
  EXPECT_LE(ram.size(), 2 + static_cast<std::size_t>(elapsed / TSio::kProgressFrame))
      << testing::PrintToString(ram);
}

TEST_F(Sio, ProgressArrivingAfterItsTransferEndedIsDropped) {
  test::QueuedExecutor queued;
  executor = &queued;
  auto sio = Open();
  ASSERT_TRUE(sio);
  sioState = 4;
  RequestEcho(*sio, 170);
  ASSERT_TRUE(test::WaitUntilIdle(link));
  queued.runPending();
  EXPECT_TRUE(bars.history(TransferBar::Ram).empty());
}

TEST_F(Sio, ProgressOfAnEarlierTransferNeverShowsOnTheNextOnesBar) {
  test::QueuedExecutor queued;
  executor = &queued;
  std::atomic<bool> hold{false};
  auto sio = Open([&](FakePort& fake) {
    fake.onRead = [&] {
      while (hold) std::this_thread::yield();
    };
  });
  ASSERT_TRUE(sio);
  sioState = 4;
  RequestEcho(*sio, 170);  // posts RAM progress that waits in the queue
  ASSERT_TRUE(test::WaitUntilIdle(link));
  hold = true;
  sioState = 94;
  RequestEcho(*sio, 840);  // pending while the old progress is finally run
  queued.runPending();
  hold = false;
  ASSERT_TRUE(test::WaitUntilIdle(link));
  // Only the new transfer's start may show; the old one's 3 %, 6 % … never reach a bar.
  const auto isZero = [](int position) { return position == 0; };
  const std::vector<int> eeprom = bars.history(TransferBar::Eeprom);
  const std::vector<int> ram = bars.history(TransferBar::Ram);
  EXPECT_TRUE(std::all_of(eeprom.begin(), eeprom.end(), isZero)) << testing::PrintToString(eeprom);
  EXPECT_TRUE(std::all_of(ram.begin(), ram.end(), isZero)) << testing::PrintToString(ram);
}

TEST_F(Sio, ClosingEndsATransferUnderWay) {
  std::atomic<int> reads{0};
  auto sio = Open([&](FakePort& fake) {
    fake.onRead = [&] {
      ++reads;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    };
  });
  ASSERT_TRUE(sio);
  RequestEcho(*sio, 1285);
  while (reads < 3) std::this_thread::yield();
  sio.reset();
  EXPECT_FALSE(link.PortOpen);
  EXPECT_FALSE(link.anmeldung);
  EXPECT_TRUE(link.DataError);
}

}  // namespace
}  // namespace q6
