#include <gtest/gtest.h>

#include <QMetaEnum>

#include "platform/fake/fake_serial_device.h"
#include "platform/memory_port_device_class.h"
#include "platform/platform_id.h"
#include "portcontrol/port_control.h"
#include "portcontrol/port_name_rule.h"
#include "portcontrol/streaming.h"

namespace {

using platform::kPlatformOther;
using platform::kPlatformWindows95;
using platform::kPlatformWindowsNT;

TEST(PortControlStreaming, AFreshComponentStoresExactlyItsFiveNonDefaultValues) {
  TPortControl port;
  const QList<StoredProperty> expected = {
      {"Timeout.ReadTotalTimeoutConstant", 1000}, {"DTR", "DTR_HANDSHAKE"},
      {"RTS", "RTS_HANDSHAKE"},                   {"DataBits", "Bits8"},
      {"BaudRate", "S009600"},
  };
  EXPECT_EQ(storedProperties(port), expected);

  const platform::CommTimeouts timeouts = port.Timeout()->ToCommTimeouts();
  EXPECT_EQ(timeouts, (platform::CommTimeouts{0, 0, 1000, 0, 0}));
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(port.SessionOpen());
  EXPECT_EQ(port.LastError(), 0u);
  EXPECT_EQ(port.Descr(), "");
}

TEST(PortControlStreaming, StoredValuesRestoreAnEqualComponentAndDefaultsStayOut) {
  platform::ScopedPlatformId nt(kPlatformWindowsNT);
  TPortControl original;
  original.SetName("PortControl1");
  original.SetTag(7);
  original.SetNumPort("com12");
  original.SetBaudRate(TPortControl::S256000);  // the first enumerator: not stored
  original.SetParity(TPortControl::ODD);
  original.SetStopBits(TPortControl::TWO);
  original.SetDTR(TPortControl::DTR_DISABLE);
  original.SetEndChar('\r');
  original.SetWaitEndChar(true);
  original.Timeout()->ReadTotalTimeoutConstant = 0;
  original.Timeout()->ReadIntervalTimeout = -1;

  const QList<StoredProperty> stored = storedProperties(original);
  const QList<StoredProperty> expected = {
      {"Name", "PortControl1"},   {"Tag", 7},
      {"Timeout.ReadIntervalTimeout", -1},
      {"Port", "COM12"},          {"RTS", "RTS_HANDSHAKE"},
      {"DataBits", "Bits8"},      {"Parity", "ODD"},
      {"StopBits", "TWO"},        {"EndChar", QVariant::fromValue('\r')},
      {"WaitEndChar", true},
  };
  EXPECT_EQ(stored, expected);

  // Values at their streaming default but not at the constructor's come back too.
  TPortControl copy;
  ASSERT_TRUE(restoreProperties(copy, stored));
  EXPECT_EQ(copy.DTR(), TPortControl::DTR_DISABLE);
  EXPECT_EQ(copy.BaudRate(), TPortControl::S256000);
  EXPECT_EQ(copy.Timeout()->ReadTotalTimeoutConstant, 0);
  EXPECT_EQ(storedProperties(copy), stored);

  EXPECT_FALSE(restoreProperty(copy, "Timeout.NoSuch", 1));
  EXPECT_FALSE(restoreProperty(copy, "Parity", "EVENS"));
  EXPECT_FALSE(restoreProperty(copy, "objectName", "x"));
}

TEST(PortControlSettings, EnumerationsKeepTheirNamesAndOrder) {
  const std::map<std::string, std::vector<std::string>> expected = {
      {"speed", {"S256000", "S128000", "S115200", "S057600", "S056000", "S038400", "S019200",
                 "S011400", "S009600", "S004800", "S002400", "S001200", "S000600", "S000300",
                 "S000110"}},
      {"databit", {"Bits5", "Bits6", "Bits7", "Bits8"}},
      {"parity", {"NO", "EVEN", "MARK", "ODD"}},
      {"stopbits", {"ONE", "ONE5", "TWO"}},
      {"dtrcontrol", {"DTR_DISABLE", "DTR_ENABLE", "DTR_HANDSHAKE"}},
      {"rtscontrol", {"RTS_DISABLE", "RTS_ENABLE", "RTS_HANDSHAKE"}},
  };
  const QMetaObject& meta = TPortControl::staticMetaObject;
  for (const auto& [name, keys] : expected) {
    const QMetaEnum enumeration = meta.enumerator(meta.indexOfEnumerator(name.c_str()));
    ASSERT_EQ(enumeration.keyCount(), static_cast<int>(keys.size())) << name;
    for (int i = 0; i < enumeration.keyCount(); ++i) {
      EXPECT_EQ(enumeration.key(i), keys[i]);
      EXPECT_EQ(enumeration.value(i), i);
    }
  }
  EXPECT_EQ(sizeof(TPortControl::speed), 1u);
}

TEST(PortControlSettings, OpenPortGivesTheDriverTheTableValues) {
  platform::fake::FakeSerialPorts ports;
  platform::fake::FakeSerialDevice& device = ports.add("/dev/pts/1");
  TPortControl port(nullptr, ports);
  port.SetNumPort("pts/1");

  const std::pair<TPortControl::speed, std::uint32_t> speeds[] = {
      {TPortControl::S256000, 256000}, {TPortControl::S128000, 128000}, {TPortControl::S115200, 115200},
      {TPortControl::S057600, 57600},  {TPortControl::S056000, 56000},  {TPortControl::S038400, 38400},
      {TPortControl::S019200, 19200},  {TPortControl::S011400, 11400},  {TPortControl::S009600, 9600},
      {TPortControl::S004800, 4800},   {TPortControl::S002400, 2400},   {TPortControl::S001200, 1200},
      {TPortControl::S000600, 600},    {TPortControl::S000300, 300},    {TPortControl::S000110, 110},
  };
  for (const auto& [setting, rate] : speeds) {
    port.SetBaudRate(setting);
    ASSERT_EQ(port.OpenPort(), 0);
    EXPECT_EQ(device.lineSettings().baudRate, rate);
    ASSERT_EQ(port.ClosePort(), 0);
  }

  struct Line {
    TPortControl::databit bits;
    TPortControl::parity parity;
    TPortControl::stopbits stop;
    TPortControl::dtrcontrol dtr;
    TPortControl::rtscontrol rts;
    platform::LineSettings driver;
  };
  const Line lines[] = {
      {TPortControl::Bits5, TPortControl::NO, TPortControl::ONE, TPortControl::DTR_DISABLE,
       TPortControl::RTS_ENABLE, {4800, 5, 0, 0, 0, 1}},
      {TPortControl::Bits6, TPortControl::EVEN, TPortControl::ONE5, TPortControl::DTR_ENABLE,
       TPortControl::RTS_HANDSHAKE, {4800, 6, 2, 1, 1, 2}},
      {TPortControl::Bits7, TPortControl::MARK, TPortControl::TWO, TPortControl::DTR_HANDSHAKE,
       TPortControl::RTS_DISABLE, {4800, 7, 3, 2, 2, 0}},
      {TPortControl::Bits8, TPortControl::ODD, TPortControl::ONE, TPortControl::DTR_HANDSHAKE,
       TPortControl::RTS_HANDSHAKE, {4800, 8, 1, 0, 2, 2}},
  };
  port.SetBaudRate(TPortControl::S004800);
  for (const Line& line : lines) {
    port.SetDataBits(line.bits);
    port.SetParity(line.parity);
    port.SetStopBits(line.stop);
    port.SetDTR(line.dtr);
    port.SetRTS(line.rts);
    ASSERT_EQ(port.OpenPort(), 0);
    EXPECT_EQ(device.lineSettings(), line.driver);
    EXPECT_EQ(port.DCB(), line.driver);
    ASSERT_EQ(port.ClosePort(), 0);
  }
}

TEST(PortNameRule, TakesPortNamesOfThePlatformOnly) {
  platform::MemoryPortDeviceClass machine({"ttyS0", "ttyUSB0", "ttyS0/../../etc"});
  platform::ScopedPortDeviceClass inUse(machine);
  struct Case {
    int platform;
    std::string value;
    std::optional<std::string> taken;
  };
  const std::string longName = "pts/" + std::string(24, '1');
  const Case cases[] = {
      {kPlatformWindowsNT, "com3", "COM3"},     {kPlatformWindowsNT, "Com12", "COM12"},
      {kPlatformWindows95, "Com12", {}},        {kPlatformWindows95, "com9", "COM9"},
      {kPlatformWindowsNT, "COM256", "COM256"}, {kPlatformWindowsNT, "COM257", {}},
      {kPlatformWindowsNT, "COM0", {}},         {kPlatformWindowsNT, "COMX", {}},
      {kPlatformWindowsNT, "LPT1", {}},         {kPlatformWindowsNT, "CO", {}},
      {kPlatformWindowsNT, "COM", {}},          {kPlatformWindowsNT, "", {}},
      // Would be taken as numbers but would not open under their own name.
      {kPlatformWindowsNT, "COM05", {}},        {kPlatformWindowsNT, "COM+5", {}},
      {kPlatformWindowsNT, "COM 5", {}},        {kPlatformWindowsNT, "COM-1", {}},
      {kPlatformWindowsNT, "COM3\\..\\x", {}},  {kPlatformOther, "COM3", {}},
      {kPlatformOther, "ttyS0", "ttyS0"},       {kPlatformOther, "ttyUSB0", "ttyUSB0"},
      {kPlatformOther, "TTYS0", {}},            {kPlatformOther, "ttyS1", {}},
      {kPlatformOther, "pts/7", "pts/7"},       {kPlatformOther, "pts/0", "pts/0"},
      {kPlatformOther, "pts/07", {}},           {kPlatformOther, "pts/", {}},
      {kPlatformOther, "pts/../ttyS0", {}},     {kPlatformOther, "../ttyS0", {}},
      {kPlatformOther, "..", {}},               {kPlatformOther, "/dev/ttyS0", {}},
      {kPlatformOther, "ttyS0/../../etc", {}},  {kPlatformOther, "", {}},
      {kPlatformOther, longName, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(acceptedPortName(c.value, c.platform), c.taken) << c.platform << " " << c.value;
  }
}

TEST(PortNameRule, SetNumPortKeepsTheOldNameOnRefusalAndWhileOpen) {
  platform::ScopedPlatformId other(kPlatformOther);
  platform::fake::FakeSerialPorts ports;
  ports.add("/dev/pts/1");
  TPortControl port(nullptr, ports);
  port.SetNumPort("pts/1");
  port.SetNumPort("../pts/2");
  EXPECT_EQ(port.Port(), "pts/1");
  ASSERT_EQ(port.OpenPort(), 0);
  port.SetNumPort("pts/2");
  EXPECT_EQ(port.Port(), "pts/1");
  ASSERT_EQ(port.ClosePort(), 0);
  port.SetNumPort("pts/2");
  EXPECT_EQ(port.Port(), "pts/2");
  EXPECT_EQ(port.property("Port").toString(), QString("pts/2"));
}

TEST(PortControlSettings, SetTimeoutCopiesTheValues) {
  TPortControl port;
  auto* given = new T1CommTimeouts;
  given->ReadIntervalTimeout = -1;
  given->WriteTotalTimeoutConstant = 50;
  port.SetTimeout(given);
  delete given;  // no reference kept
  EXPECT_NE(port.Timeout(), nullptr);
  EXPECT_EQ(port.Timeout()->ToCommTimeouts(), (platform::CommTimeouts{0xFFFFFFFFu, 0, 1000, 0, 50}));
}

class DescribingPort : public TPortControl {
 public:
  using TPortControl::ErrorString;
};

TEST(PortControlSettings, ErrorStringDescribesTheLowWordOfAWindowsFacilityResult) {
  DescribingPort port;
  port.ErrorString(5);
  const std::string five = platform::systemErrorText(5) + "\r\n\nError = 0x5";
  EXPECT_EQ(port.Descr(), five);
  port.ErrorString(0x80080005u);
  EXPECT_EQ(port.Descr(), five);
  port.ErrorString(0x80070005u);  // another facility: described as it is
  EXPECT_EQ(port.Descr(), platform::systemErrorText(0x80070005u) + "\r\n\nError = 0x80070005");
}

}  // namespace
