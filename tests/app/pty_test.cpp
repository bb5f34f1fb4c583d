// The window against simulated registers on pseudo-terminals, through the real serial backend.
#include <QComboBox>
#include <QPushButton>

#include "application.h"
#include "demo_mode.h"
#include "sim/sim.h"
#include "window_fixture.h"

using apptest::Window;

namespace {

sim::RegisterConfig registerAt(int speed, const std::string& model) {
  sim::RegisterConfig config;
  config.speed = speed;
  config.identity[0] = model;
  return config;
}

QString name(const std::string& port) { return QString::fromStdString(port); }

}  // namespace

class PtyTest : public QObject {
  Q_OBJECT

 private slots:
  void findsRegistersAtTwoSpeedsPastABusyAndASilentPort() {
    Window w;
    sim::SimulatedRegister slow(registerAt(4800, "SLOW"));
    sim::SimulatedRegister fast(registerAt(9600, "FAST"));
    sim::BusyPort busy;
    w.ports.add("quiet", 4800);  // silent on all six speeds, on virtual time
    w.listPorts({slow.portName(), busy.portName(), "quiet", fast.portName()});
    w.click("Button2");

    QCOMPARE(w.entries("ListBox2"), QStringList({name(slow.portName()) + ";4800;SLOW;",
                                                 name(fast.portName()) + ";9600;FAST;"}));
    QCOMPARE(w.entries("ListBox3"), QStringList({name(busy.portName())}));
    QCOMPARE(w.text("Edit1"), name(fast.portName()));
    QCOMPARE(w.messages.texts(), QStringList({"Успешно!"}));
  }

  void changesTheSpeedTwice() {
    Window w;
    sim::SimulatedRegister reg(registerAt(9600, "REG"));
    w.listPorts({reg.portName()});
    w.click("Button2");

    w.typeInto("ComboBox1", QStringLiteral("19200"));
    w.click("Button4");
    QCOMPARE(reg.currentSpeed(), 19200);
    QCOMPARE(w.entries("ListBox2"), QStringList({name(reg.portName()) + ";19200;REG;"}));

    // The second change reaches the register at its new speed.
    w.typeInto("ComboBox1", QStringLiteral("4800"));
    w.click("Button4");
    QCOMPARE(reg.currentSpeed(), 4800);
    QCOMPARE(w.entries("ListBox2"), QStringList({name(reg.portName()) + ";4800;REG;"}));
    QCOMPARE(w.messages.texts(), QStringList({"Успешно!"}));
  }

  void demoModeListsOnlyItsOwnPorts() {
    apptest::MessageRecorder messages;
    const app::DemoMode demo;
    TForm1 form;
    QTest::mouseClick(form.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    QStringList listed;
    auto* ports = form.findChild<QListWidget*>("ListBox1");
    for (int i = 0; i < ports->count(); ++i) listed << ports->item(i)->text();
    QStringList expected;
    for (const auto& port : demo.portNames()) expected << name(port);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(listed, expected);
  }
};

APPTEST_MAIN(PtyTest)
#include "pty_test.moc"
