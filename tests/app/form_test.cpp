// The window at start, the port listing, closing.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "application.h"
#include "portcontrol/port_control.h"
#include "portcontrol/streaming.h"
#include "window_fixture.h"

using apptest::Window;

class FormTest : public QObject {
  Q_OBJECT

 private slots:
  void startsAsTheFormDescribes() {
    Window w;
    QCOMPARE(w.form.windowTitle(), QStringLiteral("Конфигуратор скорости"));
    QCOMPARE(w.form.size(), QSize(578, 383));
    QCOMPARE(w.form.minimumSize(), w.form.maximumSize());  // cannot be resized
    QVERIFY(!(w.form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.form.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(w.form.testAttribute(Qt::WA_QuitOnClose));  // closing it ends the program

    QVERIFY(w.child<QPushButton>("Button1")->isEnabled());
    QVERIFY(!w.child<QPushButton>("Button2")->isEnabled());
    QVERIFY(!w.child<QPushButton>("Button4")->isEnabled());
    QVERIFY(w.child<QPushButton>("Button3")->isEnabled());
    QCOMPARE(w.child<QPushButton>("Button4")->text(), QStringLiteral("Установить скорость"));
    QCOMPARE(w.child<QGroupBox>("GroupBox3")->title(),
             QStringLiteral("Порты, занятые другими процессами"));
    QCOMPARE(w.child<QLabel>("Label9")->text(), QStringLiteral("Max размер логотипа по X:"));
    QCOMPARE(w.child<QCheckBox>("CheckBox1")->geometry(), QRect(8, 328, 353, 17));
    QCOMPARE(w.list("ListBox2")->geometry(), QRect(8, 16, 217, 129));  // inside GroupBox2
    QVERIFY(!w.child<QCheckBox>("CheckBox1")->isChecked());

    for (const char* name : {"ListBox1", "ListBox2", "ListBox3"}) {
      QCOMPARE(w.list(name)->count(), 0);
      QCOMPARE(w.list(name)->selectionMode(), QAbstractItemView::SingleSelection);
    }
    for (int i = 1; i <= 12; ++i) QVERIFY(w.text(qPrintable(QStringLiteral("Edit%1").arg(i))).isEmpty());
    auto* speeds = w.child<QComboBox>("ComboBox1");
    QVERIFY(speeds->isEditable());
    QVERIFY(speeds->currentText().isEmpty());
    QStringList items;
    for (int i = 0; i < speeds->count(); ++i) items << speeds->itemText(i);
    QCOMPARE(items, QStringList({"4800", "9600", "19200", "38400", "57600", "115200"}));
    auto* progress = w.child<QProgressBar>("ProgressBar3");
    QCOMPARE(std::tuple(progress->minimum(), progress->maximum(), progress->value()), std::tuple(0, 6, 0));

    QCOMPARE(w.list("ListBox2")->palette().color(QPalette::Text), QColor(0, 128, 0));
    QCOMPARE(w.list("ListBox3")->palette().color(QPalette::Text), QColor(255, 0, 0));
    QCOMPARE(w.child<QLabel>("Label14")->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    QStringList stored;
    for (const auto& property : storedProperties(*w.form.PortControl1)) {
      stored << property.name + u'=' + property.value.toString();
    }
    QCOMPARE(stored, QStringList({"Name=PortControl1", "Timeout.ReadTotalTimeoutConstant=1000",
                                  "DTR=DTR_HANDSHAKE", "RTS=RTS_HANDSHAKE", "DataBits=Bits8",
                                  "BaudRate=S009600"}));

    // Tab order: the focusable controls in the form's order.
    QStringList chain;
    QWidget* at = w.list("ListBox1");
    for (int i = 0; i < 21; ++i, at = at->nextInFocusChain()) {
      while (at->focusPolicy() == Qt::NoFocus || at->parentWidget() == nullptr ||
             at->objectName().isEmpty() || at->objectName().startsWith(u"qt_")) {
        at = at->nextInFocusChain();
      }
      chain << at->objectName();
    }
    QCOMPARE(chain, QStringList({"ListBox1", "Button1", "ListBox2", "Button2", "Button3",
                                 "ComboBox1", "Button4", "Edit1", "Edit2", "Edit3", "Edit4", "Edit5",
                                 "Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11", "Edit12",
                                 "ListBox3", "CheckBox1"}));
  }

  void listsThePortsOnce_data() {
    QTest::addColumn<bool>("unreadableDeviceAfter");  // the enumeration then yields "0"
    QTest::addColumn<QStringList>("ports");
    QTest::newRow("none") << false << QStringList();
    QTest::newRow("one, then a device that cannot be read") << true << QStringList({"ttyUSB0"});
    QTest::newRow("two, in enumeration order") << false << QStringList({"ttyS3", "ttyS1"});
  }
  void listsThePortsOnce() {
    QFETCH(bool, unreadableDeviceAfter);
    QFETCH(QStringList, ports);
    Window w;
    platform::MemoryPortDeviceClass portClass;
    for (const auto& port : ports) portClass.addPort(port.toStdString());
    if (unreadableDeviceAfter) {
      portClass.addUnopenableDevice(5);
      portClass.addPort("ttyS9");  // never reached
    }
    const platform::ScopedPortDeviceClass listing(portClass);
    w.click("Button1");

    QCOMPARE(w.entries("ListBox1"), ports);
    QVERIFY(!w.child<QPushButton>("Button1")->isEnabled());
    QCOMPARE(w.child<QPushButton>("Button2")->isEnabled(), !ports.isEmpty());
    QCOMPARE(w.messages.texts(), ports.isEmpty() ? QStringList({"Последовательные порты не найдены!"})
                                                  : QStringList());
    w.click("Button1");  // disabled: the listing is not repeated
    QCOMPARE(w.entries("ListBox1"), ports);
  }

  void ctrlClickMarksSeveralPorts() {
    Window w;
    w.listPorts({"ttyS0", "ttyS1", "ttyS2"});
    w.ctrlClickPort(0);
    w.ctrlClickPort(2);
    QCOMPARE(w.marked(), QStringList({"ttyS0", "ttyS2"}));
  }

  void exitClosesTheWindow() {
    Window w;
    w.click("Button3");
    QVERIFY(!w.form.isVisible());
  }

  void anExceptionFromAHandlerIsShownAndTheLoopGoesOn() {
    apptest::MessageRecorder messages;
    TApplication::Run([] { throw std::runtime_error("boom"); });
    QCOMPARE(messages.texts(), QStringList({"boom"}));
    QCOMPARE(messages.boxes[0].kind, app::BoxKind::Error);
  }
};

APPTEST_MAIN(FormTest)
#include "form_test.moc"
