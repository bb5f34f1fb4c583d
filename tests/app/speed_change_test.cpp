// Reprogramming a found register's speed: 28h read, 27h written back, every way out.
#include <QComboBox>
#include <QPushButton>

#include "application.h"
#include "window_fixture.h"

using apptest::answerFrame;
using apptest::ScriptedRegister;
using apptest::Window;

namespace {

std::string withBadChecksum(std::string frame) {
  frame[frame.size() - 2] ^= 1;
  return frame;
}

// A window whose search has found the register on "reg" at 4800.
struct FoundRegister {
  FoundRegister() {
    apptest::giveDefaultAnswers(reg, "MODEL");
    w.listPorts({"reg"});
    w.click("Button2");
    w.messages.boxes.clear();
  }
  std::vector<int> commands() const {
    std::vector<int> out;
    for (const auto& request : reg.requests()) out.push_back(request.command);
    return out;
  }
  Window w;
  ScriptedRegister& reg = w.ports.add("reg", 4800);
};

}  // namespace

class SpeedChangeTest : public QObject {
  Q_OBJECT

 private slots:
  void writesTheParametersBackWithTheNewSpeed() {
    FoundRegister f;
    f.w.typeInto("ComboBox1", QStringLiteral("1200"));  // any whole number goes
    f.w.click("Button4");

    QCOMPARE(f.commands(), (std::vector<int>{0x80, 0x28, 0x27}));
    QCOMPARE(f.reg.requests().back().data, std::string("538164;1200;1;001A;02;00;10;05;"));
    QCOMPARE(f.w.entries("ListBox2"), QStringList({"reg;1200;MODEL;"}));
    QCOMPARE(f.w.form.CurrentRegister->Speed, 1200);
    QVERIFY(f.w.messages.texts().isEmpty());
    QVERIFY(!f.reg.isOpen());

    // The next change opens the link at the new speed; a release shows it.
    f.w.click("Button4");
    QCOMPARE(f.reg.requests().back().baud, 1200u);
    f.w.typeInto("ComboBox1", QStringLiteral("9600"));
    f.w.releaseOverRegister(0);
    QCOMPARE(f.w.child<QComboBox>("ComboBox1")->currentText(), QStringLiteral("1200"));
  }

  void readsHexFieldsLenientlyAndDecimalFieldsStrictly() {
    FoundRegister f;
    f.reg.answerNext(0x28, answerFrame(0x28, "0000", "4800;-3; 0x1a;ff;zz;-1;7;"));
    f.w.typeInto("ComboBox1", QStringLiteral("9600"));
    f.w.click("Button4");
    QCOMPARE(f.reg.requests().back().data, std::string("538164;9600;-3;001A;FF;00;FFFFFFFF;07;"));
  }

  void everyFailureHasItsMessageAndClosesTheLink_data() {
    QTest::addColumn<std::string>("answer28");  // empty: the default answer
    QTest::addColumn<std::string>("answer27");
    QTest::addColumn<bool>("sends27");
    QTest::addColumn<QString>("message");
    const QString readTimeout = QStringLiteral("Таймаут устройства! Ошибка чтения параметров регистратора!");
    const QString readError = QStringLiteral("Ошибка чтения параметров регистратора!");
    const QString writeTimeout = QStringLiteral("Таймаут устройства! Ошибка установки параментров регистратора!");
    const QString writeError = QStringLiteral("Ошибка установки параментров регистратора");
    const std::string good28 = answerFrame(0x28, "0000", apptest::kParamsAnswer);
    const std::string good27 = answerFrame(0x27, "0000", "");
    QTest::newRow("28h silent") << std::string("silent") << good27 << false << readTimeout;
    QTest::newRow("28h error code") << answerFrame(0x28, "0006", "") << good27 << false << readError;
    QTest::newRow("28h rejected") << apptest::kNak << good27 << false << readError;
    QTest::newRow("28h bad checksum") << withBadChecksum(good28) << good27 << false << readError;
    QTest::newRow("27h silent") << good28 << std::string("silent") << true << writeTimeout;
    QTest::newRow("27h error code") << good28 << answerFrame(0x27, "0206", "") << true << writeError;
    QTest::newRow("27h rejected") << good28 << apptest::kNak << true << writeError;
    QTest::newRow("27h bad checksum") << good28 << withBadChecksum(good27) << true << writeError;
  }
  void everyFailureHasItsMessageAndClosesTheLink() {
    QFETCH(std::string, answer28);
    QFETCH(std::string, answer27);
    QFETCH(bool, sends27);
    QFETCH(QString, message);
    FoundRegister f;
    f.reg.answerNext(0x28, answer28 == "silent" ? std::string() : answer28);
    f.reg.answerNext(0x27, answer27 == "silent" ? std::string() : answer27);
    f.w.typeInto("ComboBox1", QStringLiteral("9600"));
    f.w.click("Button4");

    QCOMPARE(f.w.messages.texts(), QStringList({message}));
    QCOMPARE(f.commands(), sends27 ? (std::vector<int>{0x80, 0x28, 0x27}) : (std::vector<int>{0x80, 0x28}));
    QVERIFY(!f.reg.isOpen());
    QCOMPARE(f.w.entries("ListBox2"), QStringList({"reg;4800;MODEL;"}));
    QCOMPARE(f.w.form.CurrentRegister->Speed, 4800);
  }

  void aPortThatDoesNotOpen() {
    FoundRegister f;
    f.w.ports.hold("other");
    f.w.typeInto("Edit1", QStringLiteral("other"));  // the user's port is the one used
    f.w.click("Button4");
    QCOMPARE(f.w.messages.texts(), QStringList({"Ошибка программы"}));
    QCOMPARE(f.commands(), std::vector<int>{0x80});
  }

  void anEmptySpeedIsAConversionErrorAndThePortIsFreed() {
    FoundRegister f;
    f.w.typeInto("ComboBox1", QString());
    f.w.click("Button4");
    QCOMPARE(f.w.messages.boxes.size(), std::size_t{1});
    QCOMPARE(f.w.messages.boxes[0].kind, app::BoxKind::Error);
    QCOMPARE(f.w.messages.boxes[0].text, QStringLiteral("'' is not a valid integer value"));
    QCOMPARE(f.commands(), (std::vector<int>{0x80, 0x28}));
    QVERIFY(!f.reg.isOpen());

    f.w.click("Button2");  // the port opens again
    QCOMPARE(f.w.entries("ListBox2"), QStringList({"reg;4800;MODEL;"}));
  }

  void withoutASelectedEntryNothingHappens() {
    FoundRegister f;
    f.w.list("ListBox2")->clearSelection();
    f.w.click("Button4");
    QCOMPARE(f.commands(), std::vector<int>{0x80});
    QVERIFY(f.w.messages.texts().isEmpty());
  }
};

APPTEST_MAIN(SpeedChangeTest)
#include "speed_change_test.moc"
