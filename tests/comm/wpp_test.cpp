// The WPP engine in virtual time over the in-memory link, against a scripted
// bus: line timing is that of a real 115 200-baud line.
#include "comm/wpp.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "comm/memory_link.h"
#include "common/virtual_clock.h"
#include "tests/comm/fake_olv_bus.h"

namespace olv {
namespace {

using test::cFakeDevice;
using test::cFakeOlvBus;

class WppTest : public ::testing::Test {
 protected:
  WppTest() {
    auto link = std::make_unique<cMemoryLink>(clock);
    mLink = link.get();
    mLink->SetPorts({"COM1", "COM3"});
    wpp = std::make_unique<cWPP>(clock, std::move(link));
    wpp->UstawFunkcjeLogujaca([this](const std::string& line) { log.push_back(line); });
    mLink->SetDeviceReceiver([this](const uint8_t* d, size_t n) { bus.Receive(d, n); });
    bus.SetSender([this](const uint8_t* d, size_t n) { mLink->SendFromDevice(d, n); });
    wpp->OnDevicesFound = [this](const std::vector<std::string>& lines) {
      found.push_back(lines);
    };
    wpp->OnStatus = [this](const std::string& text) { status.push_back(text); };
  }

  bool Logged(const std::string& line) const {
    return std::find(log.begin(), log.end(), line) != log.end();
  }

  cVirtualClock clock;
  cFakeOlvBus bus{clock};
  cMemoryLink* mLink = nullptr;
  std::unique_ptr<cWPP> wpp;
  std::vector<std::string> log;
  std::vector<std::string> status;
  std::vector<std::vector<std::string>> found;
};

TEST_F(WppTest, OpensWith8N1NoHandshakeAndTheProtocolsTimeouts) {
  int opened = 0;
  wpp->OnPortOpened = [&] { ++opened; };
  ASSERT_TRUE(wpp->OtworzPort("COM3", 115200));
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(wpp->ObecnyPort(), "COM3");
  const cLineSettings& line = mLink->LineSettings();
  EXPECT_EQ(line.BaudRate, 115200u);
  EXPECT_TRUE(line.ByteSize == 8 && line.Parity == eParity::None && line.StopBits == eStopBits::One);
  EXPECT_TRUE(line.fDtrControl == eDtrControl::Disable && line.fRtsControl == eRtsControl::Disable);
  EXPECT_FALSE(line.fOutxCtsFlow || line.fOutX || line.fInX);
  const cCommTimeouts& t = mLink->Timeouts();
  EXPECT_EQ(t.ReadIntervalTimeout + t.ReadTotalTimeoutMultiplier + t.ReadTotalTimeoutConstant +
                t.WriteTotalTimeoutMultiplier + t.WriteTotalTimeoutConstant,
            50u);
  EXPECT_EQ(mLink->InputQueueSize(), 4096u);
}

TEST_F(WppTest, FailedOpensReportAndLeaveNoPortBehind) {
  int failed = 0;
  wpp->OnPortOpenFailed = [&] { ++failed; };
  EXPECT_FALSE(wpp->OtworzPort("LPT1", 115200));
  EXPECT_FALSE(wpp->OtworzPort("COM7", 115200));  // no such port
  EXPECT_EQ(failed, 2);
  EXPECT_EQ(wpp->ObecnyPort(), "");

  // A port whose driver refuses the settings is not left open behind the
  // failure, so the next attempt can open it.
  mLink->SetSettingsRefused(true);
  EXPECT_FALSE(wpp->OtworzPort("COM3", 115200));
  EXPECT_FALSE(mLink->IsOpen());
  mLink->SetSettingsRefused(false);
  EXPECT_TRUE(wpp->OtworzPort("COM3", 115200));

  // Opening again while open fails, and the open port stays open.
  EXPECT_FALSE(wpp->OtworzPort("COM1", 115200));
  EXPECT_TRUE(mLink->IsOpen());
  EXPECT_EQ(wpp->ObecnyPort(), "");
  EXPECT_EQ(failed, 4);
}

TEST_F(WppTest, ScanFindsExactlyTheAnsweringDevicesAfter500ms) {
  // Three devices answer at the same moment, so their answers follow each
  // other on the line without a gap; the fourth stays silent.
  bus.AddDevice({2, "xOLV-8 nr 2", 120, false, {}});
  bus.AddDevice({3, "xOLV-8 nr 3", 120, false, {}});
  bus.AddDevice({4, "xOLV-8 nr 4", 120, false, {}});
  bus.AddDevice({5, "xOLV-8 nr 5", 120, true, {}});
  ASSERT_TRUE(wpp->OtworzPort("COM1", 115200));
  ASSERT_TRUE(wpp->RozglosSkanowanie());
  clock.AdvanceMs(499);
  EXPECT_TRUE(found.empty()) << "the scan window lasts 500 ms";
  clock.AdvanceMs(2);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0], (std::vector<std::string>{"2:OLV-8 nr 2", "3:OLV-8 nr 3", "4:OLV-8 nr 4"}));
  EXPECT_EQ(bus.ScansSeen(), 1);
  EXPECT_TRUE(Logged("WPP: TimerZakonczOczekiwanieNaZgloszenieUrzadzenTimer"));
  EXPECT_TRUE(std::find(status.begin(), status.end(), "Device ID =  3password haslo prawidlowe") !=
              status.end());

  // The next scan starts from an empty list.
  ASSERT_TRUE(wpp->RozglosSkanowanie());
  clock.AdvanceMs(501);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[1].size(), 3u);
}

TEST_F(WppTest, AnAnswerJustBeforeTheScanWindowEndsIsCounted) {
  // Arrives after the last poll inside the window: read when the window closes.
  bus.AddDevice({6, "xlate", 490, false, {}});
  ASSERT_TRUE(wpp->OtworzPort("COM1", 115200));
  wpp->RozglosSkanowanie();
  clock.AdvanceMs(501);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0], std::vector<std::string>{"6:late"});
}

TEST_F(WppTest, FileListWithSeveralSpacesBetweenFieldsArrivesWhole) {
  const std::vector<std::string> lines = {"21051110.CSV   2021-05-11   10:00      1234",
                                          "KONFOUT.TXT  2021-05-01  08:00  512",
                                          "USERS.TXT\t x  y     77"};
  bus.AddDevice({3, "x3", 50, false, lines});
  bus.AddDevice({4, "x4", 50, false, {"OTHER.CSV 1 2 3"}});
  int line_events = 0;
  std::vector<std::vector<std::string>> lists;
  int activated = 0;
  wpp->OnFileListLine = [&] { ++line_events; };
  wpp->OnFileListReceived = [&](const std::vector<std::string>& l) { lists.push_back(l); };
  wpp->OnDeviceActivated = [&] { ++activated; };
  ASSERT_TRUE(wpp->OtworzPort("COM1", 115200));
  ASSERT_TRUE(wpp->AktywujUrzadzenie(3));
  EXPECT_EQ(activated, 0) << "completion never comes from inside the request";
  clock.AdvanceMs(5);
  EXPECT_EQ(activated, 1);
  EXPECT_EQ(wpp->AktywneUrzadzenie(), 3);
  EXPECT_EQ(bus.ActiveId(), 3);
  ASSERT_TRUE(wpp->SciagnijListePlikowZUrzadzenia());
  clock.AdvanceMs(300);
  ASSERT_EQ(lists.size(), 1u);
  EXPECT_EQ(lists[0], lines);
  EXPECT_EQ(line_events, 3);

  EXPECT_TRUE(wpp->ZamknijPort());
  EXPECT_EQ(wpp->ObecnyPort(), "");
  EXPECT_EQ(wpp->AktywneUrzadzenie(), 0);
  EXPECT_FALSE(mLink->IsOpen());
}

TEST_F(WppTest, RequestsWithThePortClosedSendNothingAndSaySo) {
  int activated = 0;
  int lost = 0;
  wpp->OnDeviceActivated = [&] { ++activated; };
  wpp->OnConnectionLost = [&] { ++lost; };
  EXPECT_FALSE(wpp->AktywujUrzadzenie(2));
  EXPECT_FALSE(wpp->SciagnijListePlikowZUrzadzenia());
  const uint8_t bytes[] = {1, 2};
  EXPECT_EQ(wpp->WyslijDane(bytes, 2), 0u);
  EXPECT_EQ(lost, 0);
  clock.AdvanceMs(5);
  EXPECT_EQ(lost, 1);
  EXPECT_EQ(activated, 0);
  EXPECT_TRUE(Logged("WPP: TimerUtraconoPolaczenieTimer"));
  // A scan still ends, with an empty list, when its window closes.
  EXPECT_FALSE(wpp->RozglosSkanowanie());
  clock.AdvanceMs(501);
  EXPECT_EQ(found, std::vector<std::vector<std::string>>{{}});

  ASSERT_TRUE(wpp->OtworzPort("COM1", 115200));
  EXPECT_FALSE(wpp->AktywujUrzadzenie(255)) << "the broadcast address is not a device";
  EXPECT_FALSE(wpp->AktywujUrzadzenie(0));
  EXPECT_EQ(mLink->BytesOnTheWayToDevice(), 0u);
}

TEST_F(WppTest, LogsWrittenBytesReadably) {
  ASSERT_TRUE(wpp->OtworzPort("COM1", 115200));
  const uint8_t bytes[] = {0xFF, 'A', '7', 'z', 0x00, 0x0D, 0x10, ' '};
  EXPECT_EQ(wpp->WyslijDane(bytes, sizeof bytes), sizeof bytes);
  EXPECT_TRUE(Logged("WPP: WyslijDane: 0xFF, A, 7, z, 0x0, 0xD, 0x10, 0x20"));
}

TEST_F(WppTest, ScanFrameIsTheActivationFrameToAllDevices) {
  std::vector<uint8_t> sent;
  mLink->SetDeviceReceiver([&](const uint8_t* d, size_t n) { sent.insert(sent.end(), d, d + n); });
  ASSERT_TRUE(wpp->OtworzPort("COM1", 115200));
  wpp->RozglosSkanowanie();
  wpp->AktywujUrzadzenie(9);
  wpp->SciagnijListePlikowZUrzadzenia();
  clock.AdvanceMs(10);
  const std::vector<uint8_t> expected = {
      0xFF, 0xA3, 0x5C, 0x19, 0xE7, 0x42, 0x8D, 0x0B, 0x76, 0xF1, 0x2E, 0x94, 0x6C, 0x3B, 0xA8, 0xD5, 0xFF,
      0xFF, 0xA3, 0x5C, 0x19, 0xE7, 0x42, 0x8D, 0x0B, 0x76, 0xF1, 0x2E, 0x94, 0x6C, 0x3B, 0xA8, 0xD5, 0x09,
      0xFF, '4',  '2',  '7',  '0',  '5',  '1',  0x00, 0x05, 0x0D};
  EXPECT_EQ(sent, expected);
}

}  // namespace
}  // namespace olv
