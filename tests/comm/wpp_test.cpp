// The WPP engine in virtual time over the in-memory link, against the
// simulated bus.
#include "comm/wpp.h"

#include "tests/comm/sim_line.h"

namespace olv {
namespace {

class WppTest : public test::SimLineTest {
 protected:
  WppTest() {
    mLink->SetPorts({"COM1", "COM3"});
    wpp->OnDevicesFound = [this](const std::vector<std::string>& lines) { found.push_back(lines); };
  }

  std::unique_ptr<cWPP> wpp = std::make_unique<cWPP>(clock, Link());
  std::vector<std::vector<std::string>> found;
};

TEST_F(WppTest, ScanFindsExactlyTheAnsweringDevicesAfter500ms) {
  // Three devices whose answers follow each other on the line without a gap,
  // and a silent fourth.
  for (int id : {2, 3, 4, 5}) AddDevice(id);
  bus.FindDevice(2)->SetAnswerDelay(80);
  bus.FindDevice(3)->SetAnswerDelay(40);
  bus.FindDevice(5)->SetSilent(true);
  ASSERT_TRUE(wpp->OtworzPort("COM1", 115200));
  ASSERT_TRUE(wpp->RozglosSkanowanie());
  clock.AdvanceMs(499);
  EXPECT_TRUE(found.empty()) << "the scan window lasts 500 ms";
  clock.AdvanceMs(2);
  ASSERT_EQ(found.size(), 1u);
  std::sort(found[0].begin(), found[0].end());  // simultaneous answers: the bus picks the order
  EXPECT_EQ(found[0], (std::vector<std::string>{"2:Rejestrator OLV", "3:Rejestrator OLV",
                                                "4:Rejestrator OLV"}));

  // An answer too late for its scan is no answer to the next one.
  for (int id : {2, 3}) bus.FindDevice(id)->SetSilent(true);
  bus.FindDevice(4)->SetAnswerDelay(700);
  ASSERT_TRUE(wpp->RozglosSkanowanie());
  clock.AdvanceMs(1000);
  bus.FindDevice(4)->SetSilent(true);
  ASSERT_TRUE(wpp->RozglosSkanowanie());
  clock.AdvanceMs(501);
  EXPECT_EQ(found, (std::vector<std::vector<std::string>>{found[0], {}, {}}));
}

// File lists are read in sterownik_wpp_test and against olv8-sim.
TEST_F(WppTest, RequestsOnAClosedPortSendNothingItOpensWith8N1NoHandshakeAndCompletionsComeOnALaterTurn) {
  int opened = 0, failed = 0, activated = 0, lost = 0;
  wpp->OnPortOpened = [&] { ++opened; };
  wpp->OnPortOpenFailed = [&] { ++failed; };
  wpp->OnDeviceActivated = [&] { ++activated; };
  wpp->OnConnectionLost = [&] { ++lost; };
  EXPECT_FALSE(wpp->AktywujUrzadzenie(2));
  EXPECT_FALSE(wpp->SciagnijListePlikowZUrzadzenia());
  ASSERT_TRUE(WriteFileAtomically(root + "/x.txt", "abc"));
  EXPECT_FALSE(wpp->WyslijPlik(root + "/x.txt"));
  const uint8_t bytes[] = {1, 2};
  EXPECT_EQ(wpp->WyslijDane(bytes, 2), 0u);
  EXPECT_EQ(lost, 0);
  clock.AdvanceMs(5);
  EXPECT_TRUE(lost == 1 && activated == 0);
  // A scan still ends, with an empty list, when its window closes.
  EXPECT_FALSE(wpp->RozglosSkanowanie());
  clock.AdvanceMs(501);
  EXPECT_EQ(found, std::vector<std::vector<std::string>>{{}});

  EXPECT_FALSE(wpp->OtworzPort("LPT1", 115200));
  EXPECT_FALSE(wpp->OtworzPort("COM7", 115200));  // no such port
  // A port whose driver refuses the settings is not left open.
  mLink->SetSettingsRefused(true);
  EXPECT_FALSE(wpp->OtworzPort("COM3", 115200));
  EXPECT_FALSE(mLink->IsOpen());
  mLink->SetSettingsRefused(false);
  ASSERT_TRUE(wpp->OtworzPort("COM3", 115200));
  EXPECT_TRUE(opened == 1 && wpp->ObecnyPort() == "COM3");
  const cLineSettings& line = mLink->LineSettings();
  EXPECT_TRUE(line.BaudRate == 115200u && line.ByteSize == 8 && line.Parity == eParity::None &&
              line.StopBits == eStopBits::One && line.fDtrControl == eDtrControl::Disable &&
              line.fRtsControl == eRtsControl::Disable);
  EXPECT_FALSE(line.fOutxCtsFlow || line.fOutX || line.fInX);
  // Opening again while open fails, and the open port stays open.
  EXPECT_FALSE(wpp->OtworzPort("COM1", 115200));
  EXPECT_TRUE(mLink->IsOpen());
  EXPECT_EQ(wpp->ObecnyPort(), "");
  EXPECT_EQ(failed, 4);
  EXPECT_TRUE(wpp->ZamknijPort());

  ASSERT_TRUE(wpp->OtworzPort("COM1", 115200));
  EXPECT_FALSE(wpp->AktywujUrzadzenie(255)) << "the broadcast address is not a device";
  EXPECT_FALSE(wpp->AktywujUrzadzenie(0));
  EXPECT_EQ(mLink->BytesOnTheWayToDevice(), 0u);

  AddDevice(3);
  ASSERT_TRUE(wpp->AktywujUrzadzenie(3));
  EXPECT_EQ(activated, 0) << "completion never comes from inside the request";
  clock.AdvanceMs(5);
  EXPECT_TRUE(activated == 1 && wpp->AktywneUrzadzenie() == 3);
  EXPECT_TRUE(wpp->ZamknijPort());
  EXPECT_TRUE(wpp->ObecnyPort() == "" && wpp->AktywneUrzadzenie() == 0 && !mLink->IsOpen());
}

}  // namespace
}  // namespace olv
