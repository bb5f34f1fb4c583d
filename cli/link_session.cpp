#include "cli/link_session.h"

#include <utility>

namespace cli {

using Clock = std::chrono::system_clock;

LinkSession::LinkSession(reglink::RegisterLink& link, std::string port, int speed,
                         const ExchangeObserver& observer)
    : link_(link), port_(std::move(port)), observer_(observer) {
  open_ = link_.OpenLink(port_.c_str(), speed) != -1;
}

LinkSession::~LinkSession() {
  if (open_) link_.CloseLink();
}

const reglink::TCommandResult& LinkSession::observed(Clock::time_point sentAt,
                                                     const reglink::TCommandResult* result) {
  if (observer_) observer_(port_, sentAt, Clock::now(), *result);
  return *result;
}

const reglink::TCommandResult& LinkSession::diagnosticInfo(const std::string& password) {
  int status = 0;
  const auto sentAt = Clock::now();
  return observed(sentAt, link_.GetDiagnosticInfo(password.c_str(), &status));
}

const reglink::TCommandResult& LinkSession::registerParams(const std::string& password) {
  int status = 0;
  const auto sentAt = Clock::now();
  return observed(sentAt, link_.GetRegisterParams(password.c_str(), &status));
}

const reglink::TCommandResult& LinkSession::setRegisterParams(const std::string& password,
                                                              int speed,
                                                              const RegisterParams& params) {
  int status = 0;
  const auto sentAt = Clock::now();
  return observed(sentAt, link_.SetRegisterParams(password.c_str(), speed, params[0], params[1],
                                                  params[2], params[3], params[4], params[5],
                                                  &status));
}

}  // namespace cli
