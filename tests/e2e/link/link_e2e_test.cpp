// The serial worker on QSerialPort, over a pseudo-terminal, against the quendaris-dimmer program.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QObject>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "core/link/records.h"
#include "core/link/sio.h"
#include "platform/serial/qt_executor.h"
#include "platform/serial/qt_serial_port.h"
#include "sim/dimmer_process.h"
#include "sim/eeprom_image.h"
#include "support/link_doubles.h"

namespace q6 {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class LinkOverPty : public testing::Test {
 protected:
  void SetUp() override {
    setup = fs::path(testing::TempDir()) / ("link_e2e_" + std::to_string(::getpid()));
    fs::remove_all(setup);
  }
  void TearDown() override {
    sio.reset();
    fs::remove_all(setup);
  }

  void Open(const std::string& portName) {
    link.PortName = portName;
    sio = TSio::Create(link, std::make_unique<QtSerialPort>(),
                       SioServices{executor, dialog, bars, [this] { return sioState; }, setup});
  }

  // Runs a batch as the sequencer does, serving the user-interface thread while it waits.
  bool Run(std::uint32_t length, std::chrono::milliseconds limit = 10s) {
    StartBatch(link, *sio, sioState, length, sioState);
    return test::WaitUntilIdle(link, limit, [] { QCoreApplication::processEvents(); });
  }
  bool LogOn() {
    std::fill_n(link.TxBuffer.begin(), 10, 0x00);
    std::fill_n(link.CheckMask.begin(), 10, 0);
    return Run(10);
  }
  bool LogOnGood() const {
    return std::all_of(link.RxBuffer.begin(), link.RxBuffer.begin() + 10,
                       [](std::uint8_t byte) { return byte == 0xAA; });
  }

  fs::path setup;
  LinkState link;
  QObject uiThread;
  QtExecutor executor{uiThread};
  test::RecordingDialog dialog;
  test::RecordingBars bars;
  int sioState = 1;
  std::unique_ptr<TSio> sio;
};

TEST_F(LinkOverPty, ReadsTheDimmersEepromWithProgress) {
  sim::DimmerProcess dimmer(Q6_DIMMER_PROGRAM, setup, "COM5");
  ASSERT_TRUE(dimmer.ready());
  Open("COM5");
  ASSERT_TRUE(link.PortOpen) << (dialog.messages.empty() ? "" : dialog.messages.front());

  ASSERT_TRUE(LogOn());
  EXPECT_TRUE(LogOnGood());
  sioState = 94;
  send_sio(link, *sio, sioState, 2, 0x0000, 168, 0);
  ASSERT_TRUE(Run(840));
  EXPECT_FALSE(link.DataError);
  const sim::EepromImage image = sim::DefaultEepromImage();
  for (std::size_t slot = 0; slot < 168; ++slot) {
    EXPECT_EQ(ReadWordAnswer(link.RxBuffer, slot).value, image[slot]) << "word " << slot;
  }
  const std::vector<int> progress = bars.history(TransferBar::Eeprom);
  ASSERT_FALSE(progress.empty());
  EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
  EXPECT_LE(progress.back(), 99);
}

TEST_F(LinkOverPty, EachFaultReachesTheProgram) {
  struct Case {
    const char* fault;
    bool logOnGood, echoError, supported;
  };
  for (const Case& c :
       {Case{"logon", false, false, true}, Case{"echo", true, true, false},
        Case{"old-hardware", true, false, false}, Case{"none", true, false, true}}) {
    SCOPED_TRACE(c.fault);
    sim::DimmerProcess dimmer(Q6_DIMMER_PROGRAM, setup, "COM6", {"--fault", c.fault});
    ASSERT_TRUE(dimmer.ready());
    Open("COM6");
    ASSERT_TRUE(LogOn());
    EXPECT_EQ(LogOnGood(), c.logOnGood);
    link.TxBuffer[0] = 0x63;
    link.TxBuffer[1] = 0x05;
    link.CheckMask[0] = 1;
    ASSERT_TRUE(Run(2));
    EXPECT_EQ(link.DataError, c.echoError);
    EXPECT_EQ(IsSupportedHardware(link.RxBuffer), c.supported);
    sio.reset();
  }
}

TEST_F(LinkOverPty, SilentDimmerCostsTheReadTimeoutPerByte) {
  sim::DimmerProcess dimmer(Q6_DIMMER_PROGRAM, setup, "COM7", {"--fault", "silent"});
  ASSERT_TRUE(dimmer.ready());
  Open("COM7");
  std::fill_n(link.RxBuffer.begin(), 10, 0x5A);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(LogOn());
  // Each one-byte read waits its full total timeout of 31 ms.
  EXPECT_GE(std::chrono::steady_clock::now() - start, 300ms);
  EXPECT_TRUE(std::all_of(link.RxBuffer.begin(), link.RxBuffer.begin() + 10,
                          [](std::uint8_t byte) { return byte == 0x5A; }));
  EXPECT_FALSE(link.DataError);
}

TEST_F(LinkOverPty, KillingTheDimmerMidTransferEndsItWithDataError) {
  sim::DimmerProcess dimmer(Q6_DIMMER_PROGRAM, setup, "COM8", {"--wire-baud", "9600"});
  ASSERT_TRUE(dimmer.ready());
  Open("COM8");
  ASSERT_TRUE(LogOn());
  sioState = 12;
  send_sio(link, *sio, sioState, 2, 0x0200, 256, 0);
  send_sio(link, *sio, sioState, 2, 0x01FE, 1, 256);
  StartBatch(link, *sio, sioState, 1285, 12);
  // At 9600 baud the batch needs about 2.7 s; pull the plug a little way in.
  std::this_thread::sleep_for(200ms);
  ASSERT_TRUE(link.anmeldung);
  dimmer.kill();
  ASSERT_TRUE(test::WaitUntilIdle(link, 5s, [] { QCoreApplication::processEvents(); }));
  EXPECT_TRUE(link.DataError);
  EXPECT_EQ(link.TxSource, nullptr);
}

TEST_F(LinkOverPty, MissingDeviceIsReportedWithTheSystemErrorNumber) {
  fs::create_directories(setup / "ports");
  std::ofstream(setup / "ports" / "COM31") << "/nonexistent/ttyQ6\n";
  Open("COM31");
  EXPECT_FALSE(link.PortOpen);
  EXPECT_TRUE(link.DataError);
  EXPECT_EQ(dialog.messages, std::vector<std::string>{"Kein Zugriff auf COM31, Fehlernummer: 2"});
}

}  // namespace
}  // namespace q6

namespace q6 {
namespace {

TEST_F(LinkOverPty, TheUserInterfaceThreadRunsOnDuringASlowTransfer) {
  // At 38400 baud the 840-byte EEPROM read takes at least 437.5 ms of wire time.
  sim::DimmerProcess dimmer(Q6_DIMMER_PROGRAM, setup, "COM6", {"--wire-baud", "38400"});
  ASSERT_TRUE(dimmer.ready());
  Open("COM6");
  ASSERT_TRUE(LogOn());

  int fired = 0;
  QTimer timer;
  timer.setInterval(20);
  QObject::connect(&timer, &QTimer::timeout, [&fired] { ++fired; });
  timer.start();
  sioState = 94;
  send_sio(link, *sio, sioState, 2, 0x0000, 168, 0);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(Run(840));
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_FALSE(link.DataError);
  // About twenty intervals fit into the transfer; a frozen thread would see none of them.
  EXPECT_GE(fired, 5);
  // The emulated line holds every answer back: each byte takes two byte times, less at most a
  // quarter of one for the terminal's delivery.
  EXPECT_GE(elapsed, 840 * 1.75 * 10 / 38400.0 * 1s);
}

}  // namespace
}  // namespace q6
