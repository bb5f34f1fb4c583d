// The register search, its four outcomes, the marks and events during a search; then showing
// a found register again.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <utility>

#include "application.h"
#include "platform/cp1251.h"
#include "window_fixture.h"

using namespace platform::cp1251::literals;
using apptest::answerFrame;
using apptest::ScriptedRegister;
using apptest::Window;

namespace {

std::vector<std::uint32_t> speedsTried(const ScriptedRegister& reg) {
  std::vector<std::uint32_t> speeds;
  for (const auto& request : reg.requests()) speeds.push_back(request.baud);
  return speeds;
}

}  // namespace

class SearchTest : public QObject {
  Q_OBJECT

 private slots:
  void sortsEveryPortIntoItsOutcome() {
    Window w;
    ScriptedRegister& first = w.ports.add("regA", 9600);
    apptest::giveDefaultAnswers(first, "MODEL-A");
    w.ports.hold("busy");
    ScriptedRegister& silent = w.ports.add("quiet", 9600);  // nothing answers there
    ScriptedRegister& second = w.ports.add("regB", 19200);
    apptest::giveDefaultAnswers(second, "МОДЕЛЬ-Б"_cp1251);  // shown as the Russian it is
    QStringList opened;
    w.ports.onOpen = [&](const std::string& port) { opened << QString::fromStdString(port); };

    w.listPorts({"regA", "busy", "quiet", "regB"});
    w.click("Button2");

    QCOMPARE(w.entries("ListBox2"), QStringList({"regA;9600;MODEL-A;", "regB;19200;МОДЕЛЬ-Б;"}));
    QCOMPARE(w.list("ListBox2")->selectedItems().value(0), w.list("ListBox2")->item(1));
    QCOMPARE(w.entries("ListBox3"), QStringList({"busy"}));
    QCOMPARE(opened.count(u"busy"), 1);  // no further speed is tried on a busy port
    QCOMPARE(speedsTried(first), (std::vector<std::uint32_t>{4800, 9600}));
    QCOMPARE(speedsTried(silent), (std::vector<std::uint32_t>{4800, 9600, 19200, 38400, 57600, 115200}));
    QCOMPARE(speedsTried(second), (std::vector<std::uint32_t>{4800, 9600, 19200}));
    QVERIFY(!first.isOpen() && !silent.isOpen() && !second.isOpen());

    // The last register found is shown.
    QCOMPARE(w.text("Edit1"), QStringLiteral("regB"));
    QCOMPARE(w.text("Edit2"), QStringLiteral("МОДЕЛЬ-Б"));
    QCOMPARE(w.text("Edit12"), QStringLiteral("4"));
    QCOMPARE(w.child<QComboBox>("ComboBox1")->currentText(), QStringLiteral("19200"));
    QCOMPARE(w.form.CurrentRegister->Speed, 19200);

    QCOMPARE(w.messages.texts(), QStringList({"Успешно!"}));
    QVERIFY(w.child<QPushButton>("Button4")->isEnabled());
    QVERIFY(w.marked().isEmpty());
    QCOMPARE(w.child<QProgressBar>("ProgressBar3")->value(), 0);
    QVERIFY(w.child<QLabel>("Label14")->text().isEmpty());

    // A release of any button over an entry shows it again; below the entries, nothing.
    w.releaseOverRegister(0, Qt::RightButton);
    QCOMPARE(w.text("Edit1"), QStringLiteral("regA"));
    QCOMPARE(w.child<QComboBox>("ComboBox1")->currentText(), QStringLiteral("9600"));
    w.typeInto("Edit2", QStringLiteral("typed"));
    QTest::mouseRelease(w.list("ListBox2")->viewport(), Qt::LeftButton, {}, QPoint(5, 120));
    QCOMPARE(w.text("Edit2"), QStringLiteral("typed"));
    w.releaseOverRegister(1, Qt::MiddleButton);
    QCOMPARE(w.text("Edit2"), QStringLiteral("МОДЕЛЬ-Б"));

    // A second search starts afresh.
    w.messages.boxes.clear();
    w.click("Button2");
    QCOMPARE(w.list("ListBox2")->count(), 2);
    QCOMPARE(w.entries("ListBox3"), QStringList({"busy"}));
  }

  void aRegisterThatAnswersIncorrectlyHasNoRecord_data() {
    QTest::addColumn<std::string>("answer");
    QTest::newRow("error code") << answerFrame(0x80, "0006", "");
    QTest::newRow("rejected") << apptest::kNak;
    std::string corrupted = answerFrame(0x80, "0000", "M;1;2;3;4;5;6;7;8;9;10;");
    corrupted[corrupted.size() - 2] ^= 1;  // a wrong checksum digit
    QTest::newRow("bad checksum") << corrupted;
  }
  void aRegisterThatAnswersIncorrectlyHasNoRecord() {
    QFETCH(std::string, answer);
    Window w;
    ScriptedRegister& reg = w.ports.add("odd", 4800);
    reg.answerAlways(0x80, answer);
    w.listPorts({"odd"});
    w.click("Button2");

    QCOMPARE(w.entries("ListBox2"), QStringList({"odd; Устройство отвечаеn некорректно"}));
    QCOMPARE(w.form.CurrentRegister, nullptr);
    QCOMPARE(w.messages.texts(), QStringList({"Успешно!"}));
    QVERIFY(w.text("Edit1").isEmpty());

    // Nothing to show and nothing to reprogram: no exchange takes place.
    w.list("ListBox2")->setCurrentRow(0);
    w.releaseOverRegister(0);
    w.click("Button4");
    QVERIFY(w.text("Edit1").isEmpty());
    QCOMPARE(reg.requests().size(), std::size_t{1});
    QCOMPARE(w.messages.texts(), QStringList({"Успешно!"}));
  }

  void onlyMarkedPortsWhenTheBoxIsChecked() {
    Window w;
    for (const char* port : {"p1", "p2", "p3"}) apptest::giveDefaultAnswers(w.ports.add(port, 4800), port);
    w.listPorts({"p1", "p2", "p3"});
    w.child<QCheckBox>("CheckBox1")->setChecked(true);

    w.click("Button2");  // nothing marked: every port is skipped
    QCOMPARE(w.messages.texts(), QStringList({"Регистраторы не обнаружены!"}));
    QVERIFY(!w.child<QPushButton>("Button4")->isEnabled());

    w.ctrlClickPort(0);
    w.ctrlClickPort(2);
    w.click("Button2");
    QCOMPARE(w.entries("ListBox2"), QStringList({"p1;4800;p1;", "p3;4800;p3;"}));
    QVERIFY(w.marked().isEmpty());
  }

  void theBoxIsReadAnewForEveryPort() {
    Window w;
    // At 9600 a port takes two attempts, so the click lands while it is searched.
    for (const char* port : {"p1", "p2", "p3"}) apptest::giveDefaultAnswers(w.ports.add(port, 9600), port);
    w.listPorts({"p1", "p2", "p3"});
    auto* onlyMarked = w.child<QCheckBox>("CheckBox1");
    // The user clicks the box once while p1 is searched.
    bool clicked = false;
    w.ports.onOpen = [&](const std::string& port) {
      if (port != "p1" || std::exchange(clicked, true)) return;
      QTimer::singleShot(0, onlyMarked, [&] { QTest::mouseClick(onlyMarked, Qt::LeftButton); });
    };
    // Ticked during a search that started unticked: the remaining ports are skipped.
    w.click("Button2");
    QCOMPARE(w.entries("ListBox2"), QStringList({"p1;9600;p1;"}));

    // Unticked during a search that started ticked with p1 marked: the rest are searched too.
    w.ctrlClickPort(0);
    clicked = false;
    w.click("Button2");
    QCOMPARE(w.entries("ListBox2"), QStringList({"p1;9600;p1;", "p2;9600;p2;", "p3;9600;p3;"}));
  }

  void clicksDuringASearchAreSafe() {
    Window w;
    for (const char* port : {"p1", "p2"}) apptest::giveDefaultAnswers(w.ports.add(port, 9600), port);
    w.listPorts({"p1", "p2"});
    // While p2 is searched the user clicks the search again and shows p1's entry: the search
    // goes on undisturbed and p1's record stays alive.
    int searchClicks = 0;
    w.ports.onOpen = [&](const std::string& port) {
      if (port == "p2" && searchClicks++ == 0) {
        QTimer::singleShot(0, &w.form, [&] {
          w.click("Button2");
          w.releaseOverRegister(0);
        });
      }
    };
    w.click("Button2");
    QCOMPARE(w.entries("ListBox2"), QStringList({"p1;9600;p1;", "p2;9600;p2;"}));
    QCOMPARE(w.messages.texts(), QStringList({"Успешно!"}));
    QCOMPARE(w.form.CurrentRegister->Texts[0], std::string("p2"));
  }

  void closingTheWindowEndsTheSearch() {
    Window w;
    ScriptedRegister& first = w.ports.add("p1", 9600);
    ScriptedRegister& second = w.ports.add("p2", 9600);
    apptest::giveDefaultAnswers(first, "p1");
    apptest::giveDefaultAnswers(second, "p2");
    w.listPorts({"p1", "p2"});
    w.ports.onOpen = [&](const std::string& port) {
      if (port == "p1") QTimer::singleShot(0, &w.form, [&] { w.click("Button3"); });
    };
    w.click("Button2");
    QVERIFY(!w.form.isVisible());
    QVERIFY(second.requests().empty());
    QVERIFY(!first.isOpen());
    QVERIFY(w.messages.texts().isEmpty());
  }
};

APPTEST_MAIN(SearchTest)
#include "search_test.moc"
