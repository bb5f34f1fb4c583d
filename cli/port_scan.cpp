#include "cli/port_scan.h"

#include <memory>
#include <thread>

namespace cli {

AnswerVerdict judgeDiagnosticAnswer(const reglink::TCommandResult& result, std::string& message) {
  message.clear();
  if (result.Flags & reglink::CR_NO_ANSWER) return AnswerVerdict::NoAnswer;
  if (result.Flags & reglink::CR_REJECTED) {
    message = "Request rejected (NAK)!";
    return AnswerVerdict::Incorrect;
  }
  if (result.Flags & reglink::CR_BAD_CHECKSUM) {
    message = "Answer checksum error!";
    return AnswerVerdict::Incorrect;
  }
  return reglink::ComposeErrorText(message, result) ? AnswerVerdict::Found
                                                    : AnswerVerdict::Incorrect;
}

PortReport scanPort(reglink::RegisterLink& link, const std::string& port,
                    const ScanSettings& settings) {
  PortReport report;
  report.port = port;
  report.outcome = Outcome::Silent;
  int attempt = 0;
  for (const int speed : settings.speeds) {
    if (settings.onAttempt) settings.onAttempt(port, ++attempt, speed);
    LinkSession session(link, port, speed, settings.onExchange);
    if (!session.isOpen()) {
      report.outcome = Outcome::Busy;
      break;
    }
    const reglink::TCommandResult& result = session.diagnosticInfo(settings.password);
    const AnswerVerdict verdict = judgeDiagnosticAnswer(result, report.message);
    if (verdict == AnswerVerdict::NoAnswer) continue;
    report.speed = speed;
    if (verdict == AnswerVerdict::Incorrect) {
      report.outcome = Outcome::Incorrect;
      report.errorCode = result.ErrorCode;
      break;
    }
    report.outcome = Outcome::Found;
    for (std::size_t i = 0; i < report.fields.size(); ++i) {
      const bool carried = static_cast<std::int32_t>(i) < result.FieldCount && result.Fields[i];
      report.fields[i] = carried ? result.Fields[i] : "";
    }
    break;
  }
  if (settings.onPortDone) settings.onPortDone(report);
  return report;
}

std::vector<PortReport> scanPorts(platform::SerialPorts& serialPorts,
                                  const std::vector<std::string>& ports,
                                  const ScanSettings& settings, bool parallel) {
  std::vector<PortReport> reports(ports.size());
  const auto scanOne = [&](std::size_t i) {
    reglink::RegisterLink link(serialPorts);
    reports[i] = scanPort(link, ports[i], settings);
  };
  if (!parallel) {
    for (std::size_t i = 0; i < ports.size(); ++i) scanOne(i);
    return reports;
  }
  std::vector<std::jthread> workers;
  workers.reserve(ports.size());
  for (std::size_t i = 0; i < ports.size(); ++i) workers.emplace_back(scanOne, i);
  workers.clear();  // joins every thread
  return reports;
}

}  // namespace cli
