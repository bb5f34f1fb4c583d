#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <QString>

#include "platform/process_control.h"
#include "platform/registry_key.h"
#include "platform/serial_device.h"
#include "portcontrol/component.h"

// The time-outs of a port, in milliseconds, as the driver's time-out record holds them; copied
// to the driver bit for bit, so -1 stands for the largest 32-bit value.
class T1CommTimeouts : public TPersistent {
  Q_OBJECT
  Q_PROPERTY(qint32 ReadIntervalTimeout MEMBER ReadIntervalTimeout)
  Q_PROPERTY(qint32 ReadTotalTimeoutMultiplier MEMBER ReadTotalTimeoutMultiplier)
  Q_PROPERTY(qint32 ReadTotalTimeoutConstant MEMBER ReadTotalTimeoutConstant)
  Q_PROPERTY(qint32 WriteTotalTimeoutMultiplier MEMBER WriteTotalTimeoutMultiplier)
  Q_PROPERTY(qint32 WriteTotalTimeoutConstant MEMBER WriteTotalTimeoutConstant)

 public:
  explicit T1CommTimeouts(QObject* parent = nullptr);

  void Assign(const T1CommTimeouts& source);
  platform::CommTimeouts ToCommTimeouts() const;

  qint32 ReadIntervalTimeout = 0;
  qint32 ReadTotalTimeoutMultiplier = 0;
  qint32 ReadTotalTimeoutConstant = 0;
  qint32 WriteTotalTimeoutMultiplier = 0;
  qint32 WriteTotalTimeoutConstant = 0;
};

// One serial port: its name, line settings and time-outs as published properties; open,
// configure and close; transfer sessions at the highest priority with the transfer code locked
// in memory; the class-wide listing of the machine's serial ports; the driver's FIFO settings.
// Every operation returns 0 or a negative code, keeps the system error of the last failed call
// in LastError() and, with EnableDescr on, a description in Descr(). Nothing throws.
class TPortControl : public TComponent {
  Q_OBJECT
  Q_PROPERTY(T1CommTimeouts* Timeout READ Timeout WRITE SetTimeout)
  Q_PROPERTY(bool Buffering READ Buffering WRITE SetBuffering)
  Q_PROPERTY(QString Port READ PortText WRITE SetPortText)
  Q_PROPERTY(dtrcontrol DTR READ DTR WRITE SetDTR)
  Q_PROPERTY(rtscontrol RTS READ RTS WRITE SetRTS)
  Q_PROPERTY(databit DataBits READ DataBits WRITE SetDataBits)
  Q_PROPERTY(speed BaudRate READ BaudRate WRITE SetBaudRate)
  Q_PROPERTY(parity Parity READ Parity WRITE SetParity)
  Q_PROPERTY(stopbits StopBits READ StopBits WRITE SetStopBits)
  Q_PROPERTY(char EndChar READ EndChar WRITE SetEndChar)
  Q_PROPERTY(bool WaitEndChar READ WaitEndChar WRITE SetWaitEndChar)
  Q_PROPERTY(bool EnableDescr READ EnableDescr WRITE SetEnableDescr)

 public:
  enum speed : std::uint8_t {
    S256000, S128000, S115200, S057600, S056000, S038400, S019200, S011400,
    S009600, S004800, S002400, S001200, S000600, S000300, S000110,
  };
  Q_ENUM(speed)
  enum databit : std::uint8_t { Bits5, Bits6, Bits7, Bits8 };
  Q_ENUM(databit)
  enum parity : std::uint8_t { NO, EVEN, MARK, ODD };
  Q_ENUM(parity)
  enum stopbits : std::uint8_t { ONE, ONE5, TWO };
  Q_ENUM(stopbits)
  enum dtrcontrol : std::uint8_t { DTR_DISABLE, DTR_ENABLE, DTR_HANDSHAKE };
  Q_ENUM(dtrcontrol)
  enum rtscontrol : std::uint8_t { RTS_DISABLE, RTS_ENABLE, RTS_HANDSHAKE };
  Q_ENUM(rtscontrol)

  // `ports` opens the devices and `process` raises priority and locks memory; both must outlive
  // the component. Tests hand in fakes.
  explicit TPortControl(TComponent* AOwner = nullptr);
  TPortControl(TComponent* AOwner, platform::SerialPorts& ports,
               platform::ProcessControl& process = platform::systemProcessControl());
  // Closes the device it still holds and gives back priorities raised by a session still open.
  ~TPortControl() override;
  TPortControl(const TPortControl&) = delete;
  TPortControl& operator=(const TPortControl&) = delete;

  // Open, close, sessions and transfer.
  virtual int OpenPort();
  virtual int ClosePort();
  virtual int StartSession(bool Purge);
  virtual int EndSession(bool Purge);
  virtual int WriteData(const char* Buffer, std::uint32_t Count, std::uint32_t* Written);
  virtual int ReadData(char* Buffer, std::uint32_t Count, std::uint32_t* Received);
  virtual int ClearError();
  virtual int SetPortTimeouts();
  virtual int EscapeCommFunction(std::uint32_t Func);
  virtual int ClearBuffers(std::uint32_t PurgeMask);
  // FIFO settings in the registry key of the port's device (Windows).
  virtual int EnableFIFO(bool Enable);
  virtual int SetFIFOSize(bool Receive, std::uint32_t Size);
  virtual int IsFIFOEnable();
  virtual int GetFIFOSize(bool Receive);

  // The class-wide listing of the machine's serial ports: one listing at a time in the program.
  static int BeginEnumeratePorts();
  // The next port name; "" when none is left; "0" when the next device cannot be read.
  static std::string EnumeratePorts();
  static int EndEnumeratePorts();
  // The key of the device whose "portname" is `PortName` (any case), open for reading and
  // writing; null when there is none or a listing is under way.
  static std::unique_ptr<platform::RegistryKey> GetDeviceKey(const std::string& PortName);

  // Published properties.
  T1CommTimeouts* Timeout() const { return FTimeout; }
  void SetTimeout(T1CommTimeouts* Value);
  bool Buffering() const { return FBuffering; }
  void SetBuffering(bool value) { FBuffering = value; }
  const std::string& Port() const { return FPort; }
  // Takes `Value` only while the port is closed and only when it is a port name of the platform.
  void SetNumPort(const std::string& Value);
  dtrcontrol DTR() const { return FDTR; }
  void SetDTR(dtrcontrol value) { FDTR = value; }
  rtscontrol RTS() const { return FRTS; }
  void SetRTS(rtscontrol value) { FRTS = value; }
  databit DataBits() const { return FDataBits; }
  void SetDataBits(databit value) { FDataBits = value; }
  speed BaudRate() const { return FBaudRate; }
  void SetBaudRate(speed value) { FBaudRate = value; }
  parity Parity() const { return FParity; }
  void SetParity(parity value) { FParity = value; }
  stopbits StopBits() const { return FStopBits; }
  void SetStopBits(stopbits value) { FStopBits = value; }
  char EndChar() const { return FEndChar; }
  void SetEndChar(char value) { FEndChar = value; }
  bool WaitEndChar() const { return FWaitEndChar; }
  void SetWaitEndChar(bool value) { FWaitEndChar = value; }
  bool EnableDescr() const { return FEnableDescr; }
  void SetEnableDescr(bool value) { FEnableDescr = value; }

  // Read-only state.
  std::uint32_t LastError() const { return FLastError; }
  const std::string& Descr() const { return FDescr; }  // code page 1251
  bool IsOpen() const { return FHandle != nullptr; }
  bool SessionOpen() const { return FSessionOpen; }
  const platform::LineSettings& DCB() const { return FDCB; }
  const platform::CommTimeouts& CommTimeouts() const { return FCommTimeouts; }
  const platform::CommStatus& ComStat() const { return FComStat; }
  std::uint32_t CommErrors() const { return FCommErrors; }
  const void* LockAddress() const { return FLockAddress; }

  // What OpenPort gives the driver for each setting.
  static std::uint32_t BaudRateValue(speed value);
  static std::uint8_t ParityValue(parity value);

 protected:
  // Puts the system's text for `Code` into the description.
  void ErrorString(std::uint32_t Code);

 private:
  enum class Operation;
  QString PortText() const;
  void SetPortText(const QString& text);
  platform::SerialPorts& Ports() const;

  int Succeed();
  int CheckState(Operation operation);
  int FailSystem(int code, platform::SysError error);
  int FailFixed(int code, const char* text);
  void RestoreSession();

  const void* FLockAddress = nullptr;
  bool FSessionOpen = false;
  std::uint32_t FSavedPriorityClass = 0;
  std::int32_t FSavedThreadPriority = 0;
  speed FBaudRate = S009600;
  parity FParity = NO;
  stopbits FStopBits = ONE;
  bool FBuffering = false;
  std::string FPort;
  databit FDataBits = Bits8;
  platform::LineSettings FDCB;
  platform::CommTimeouts FCommTimeouts;
  std::unique_ptr<platform::SerialDevice> FHandle;
  char FEndChar = 0;
  bool FWaitEndChar = false;
  std::uint32_t FLastError = 0;
  dtrcontrol FDTR = DTR_HANDSHAKE;
  rtscontrol FRTS = RTS_HANDSHAKE;
  bool FEnableDescr = false;
  std::string FDescr;
  platform::CommStatus FComStat;
  std::uint32_t FCommErrors = 0;
  T1CommTimeouts* FTimeout;  // owned as a QObject child

  platform::SerialPorts* ports_;  // null: the system's, looked up when a port opens
  platform::ProcessControl& process_;
};
