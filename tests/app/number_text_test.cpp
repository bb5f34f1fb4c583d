// The strict decimal and lenient hexadecimal readings of the speed change.
#include <QTest>

#include "number_text.h"

class NumberTextTest : public QObject {
  Q_OBJECT

 private slots:
  void strictDecimal() {
    const struct {
      const char* text;
      int value;
    } good[] = {{"0", 0}, {"19200", 19200}, {"-3", -3}, {"+7", 7}, {"2147483647", 2147483647}};
    for (const auto& c : good) QCOMPARE(app::strictDecimal(c.text), c.value);
    for (const char* bad : {"", " 1", "1 ", "12a", "0x10", "+", "-", "+-1", "2147483648", "1.5"}) {
      QVERIFY_THROWS_EXCEPTION(app::EConvertError, app::strictDecimal(bad));
    }
  }

  void lenientHex() {
    const struct {
      const char* text;
      int value;
    } cases[] = {{"001A", 0x1A},  {"ff", 0xFF},   {"  10", 0x10}, {"0x1f", 0x1F}, {"-1", -1},
                 {"12zz", 0x12},  {"", 0},        {"zz", 0},      {"+0X2", 2},    {"\t7", 7}};
    for (const auto& c : cases) QCOMPARE(app::lenientHex(c.text), c.value);
  }
};

QTEST_APPLESS_MAIN(NumberTextTest)
#include "number_text_test.moc"
