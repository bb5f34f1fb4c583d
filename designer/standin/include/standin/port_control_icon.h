#pragma once

#include <memory>

#include "portcontrol/port_control.h"
#include "standin/component_icon.h"

// TPortControl on a form. The icon owns the component and passes its published properties
// through under their own names, so that a saved form stores them and a generated form sets
// them. The setters are named as a generated form calls them. Timeout's five values appear
// as properties of their own, and EndChar as its character code, because the designer edits
// neither an object nor a single character.
class TPortControlIcon : public TComponentIcon {
  Q_OBJECT
  Q_PROPERTY(int Tag READ Tag WRITE setTag)
  Q_PROPERTY(int ReadIntervalTimeout READ ReadIntervalTimeout WRITE setReadIntervalTimeout)
  Q_PROPERTY(int ReadTotalTimeoutMultiplier READ ReadTotalTimeoutMultiplier WRITE
                 setReadTotalTimeoutMultiplier)
  Q_PROPERTY(
      int ReadTotalTimeoutConstant READ ReadTotalTimeoutConstant WRITE setReadTotalTimeoutConstant)
  Q_PROPERTY(int WriteTotalTimeoutMultiplier READ WriteTotalTimeoutMultiplier WRITE
                 setWriteTotalTimeoutMultiplier)
  Q_PROPERTY(int WriteTotalTimeoutConstant READ WriteTotalTimeoutConstant WRITE
                 setWriteTotalTimeoutConstant)
  Q_PROPERTY(bool Buffering READ Buffering WRITE setBuffering)
  Q_PROPERTY(QString Port READ Port WRITE setPort)
  Q_PROPERTY(TPortControl::dtrcontrol DTR READ DTR WRITE setDTR)
  Q_PROPERTY(TPortControl::rtscontrol RTS READ RTS WRITE setRTS)
  Q_PROPERTY(TPortControl::databit DataBits READ DataBits WRITE setDataBits)
  Q_PROPERTY(TPortControl::speed BaudRate READ BaudRate WRITE setBaudRate)
  Q_PROPERTY(TPortControl::parity Parity READ Parity WRITE setParity)
  Q_PROPERTY(TPortControl::stopbits StopBits READ StopBits WRITE setStopBits)
  Q_PROPERTY(int EndChar READ EndChar WRITE setEndChar)
  Q_PROPERTY(bool WaitEndChar READ WaitEndChar WRITE setWaitEndChar)
  Q_PROPERTY(bool EnableDescr READ EnableDescr WRITE setEnableDescr)

 public:
  explicit TPortControlIcon(QWidget* parent = nullptr);
  ~TPortControlIcon() override;

  TPortControl* component() const override { return component_.get(); }

  int Tag() const { return component_->Tag(); }
  void setTag(int value) { component_->SetTag(value); }
  int ReadIntervalTimeout() const { return timeouts().ReadIntervalTimeout; }
  void setReadIntervalTimeout(int value) { timeouts().ReadIntervalTimeout = value; }
  int ReadTotalTimeoutMultiplier() const { return timeouts().ReadTotalTimeoutMultiplier; }
  void setReadTotalTimeoutMultiplier(int value) { timeouts().ReadTotalTimeoutMultiplier = value; }
  int ReadTotalTimeoutConstant() const { return timeouts().ReadTotalTimeoutConstant; }
  void setReadTotalTimeoutConstant(int value) { timeouts().ReadTotalTimeoutConstant = value; }
  int WriteTotalTimeoutMultiplier() const { return timeouts().WriteTotalTimeoutMultiplier; }
  void setWriteTotalTimeoutMultiplier(int value) { timeouts().WriteTotalTimeoutMultiplier = value; }
  int WriteTotalTimeoutConstant() const { return timeouts().WriteTotalTimeoutConstant; }
  void setWriteTotalTimeoutConstant(int value) { timeouts().WriteTotalTimeoutConstant = value; }
  bool Buffering() const { return component_->Buffering(); }
  void setBuffering(bool value) { component_->SetBuffering(value); }
  QString Port() const { return component_->property("Port").toString(); }
  void setPort(const QString& value) { component_->setProperty("Port", value); }
  TPortControl::dtrcontrol DTR() const { return component_->DTR(); }
  void setDTR(TPortControl::dtrcontrol value) { component_->SetDTR(value); }
  TPortControl::rtscontrol RTS() const { return component_->RTS(); }
  void setRTS(TPortControl::rtscontrol value) { component_->SetRTS(value); }
  TPortControl::databit DataBits() const { return component_->DataBits(); }
  void setDataBits(TPortControl::databit value) { component_->SetDataBits(value); }
  TPortControl::speed BaudRate() const { return component_->BaudRate(); }
  void setBaudRate(TPortControl::speed value) { component_->SetBaudRate(value); }
  TPortControl::parity Parity() const { return component_->Parity(); }
  void setParity(TPortControl::parity value) { component_->SetParity(value); }
  TPortControl::stopbits StopBits() const { return component_->StopBits(); }
  void setStopBits(TPortControl::stopbits value) { component_->SetStopBits(value); }
  int EndChar() const { return static_cast<unsigned char>(component_->EndChar()); }
  void setEndChar(int value) { component_->SetEndChar(static_cast<char>(value)); }
  bool WaitEndChar() const { return component_->WaitEndChar(); }
  void setWaitEndChar(bool value) { component_->SetWaitEndChar(value); }
  bool EnableDescr() const { return component_->EnableDescr(); }
  void setEnableDescr(bool value) { component_->SetEnableDescr(value); }

 protected:
  QPixmap glyph() const override;

 private:
  T1CommTimeouts& timeouts() const { return *component_->Timeout(); }

  std::unique_ptr<TPortControl> component_;
};
