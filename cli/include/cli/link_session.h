#pragma once

#include <array>
#include <chrono>
#include <functional>
#include <string>

#include "link/reglink.h"

namespace cli {

// Told of every exchange: the port, when the request went out, when the answer ended, and the
// result (request frame and raw answer included). Called on the thread that ran the exchange.
using ExchangeObserver = std::function<void(
    const std::string& port, std::chrono::system_clock::time_point sentAt,
    std::chrono::system_clock::time_point answeredAt, const reglink::TCommandResult& result)>;

// Parameters 2 to 7 of command 27h: the register's own settings, as 28h reports them.
using RegisterParams = std::array<int, 6>;

// One conversation with the register on a port at one speed. The link opens on creation and
// closes on every way out, so the port is free again for the next attempt or the next tool.
class LinkSession {
 public:
  LinkSession(reglink::RegisterLink& link, std::string port, int speed,
              const ExchangeObserver& observer);
  ~LinkSession();
  LinkSession(const LinkSession&) = delete;
  LinkSession& operator=(const LinkSession&) = delete;

  // False when the port could not be opened (absent, or held by another process).
  bool isOpen() const { return open_; }

  // The results stay valid until the next exchange of this session.
  const reglink::TCommandResult& diagnosticInfo(const std::string& password);
  const reglink::TCommandResult& registerParams(const std::string& password);
  const reglink::TCommandResult& setRegisterParams(const std::string& password, int speed,
                                                   const RegisterParams& params);

 private:
  const reglink::TCommandResult& observed(std::chrono::system_clock::time_point sentAt,
                                          const reglink::TCommandResult* result);

  reglink::RegisterLink& link_;
  std::string port_;
  const ExchangeObserver& observer_;
  bool open_ = false;
};

}  // namespace cli
