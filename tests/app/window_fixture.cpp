#include "window_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "text_edge.h"

namespace apptest {

void giveDefaultAnswers(ScriptedRegister& reg, const std::string& model) {
  reg.answerAlways(0x80, answerFrame(0x80, "0000",
                                     model + ";V1.2;RU;15.03.2004;1000;20000;4096;200;32;8;4;"));
  reg.answerAlways(0x28, answerFrame(0x28, "0000", kParamsAnswer));
  reg.answerAlways(0x27, answerFrame(0x27, "0000", ""));
}

Window::Window() { form.show(); }

QString Window::text(const char* editName) const { return child<QLineEdit>(editName)->text(); }

QStringList Window::entries(const char* listName) const {
  QStringList out;
  for (int i = 0; i < list(listName)->count(); ++i) out << list(listName)->item(i)->text();
  return out;
}

QStringList Window::marked() const {
  QStringList out;
  for (const auto* item : list("ListBox1")->selectedItems()) out << item->text();
  return out;
}

void Window::click(const char* buttonName) {
  QTest::mouseClick(child<QPushButton>(buttonName), Qt::LeftButton);
}

void Window::listPorts(const std::vector<std::string>& names) {
  listing.reset();
  portClass = std::make_unique<platform::MemoryPortDeviceClass>(names);
  listing = std::make_unique<platform::ScopedPortDeviceClass>(*portClass);
  click("Button1");
}

void Window::ctrlClickPort(int row) {
  QListWidget* portList = list("ListBox1");
  QTest::mouseClick(portList->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    portList->visualItemRect(portList->item(row)).center());
}

void Window::releaseOverRegister(int row, Qt::MouseButton button) {
  QListWidget* registers = list("ListBox2");
  QTest::mouseRelease(registers->viewport(), button, {},
                      registers->visualItemRect(registers->item(row)).center());
}

void Window::typeInto(const char* widgetName, const QString& text) {
  QLineEdit* edit = child<QLineEdit>(widgetName);
  if (edit == nullptr) edit = child<QComboBox>(widgetName)->lineEdit();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

}  // namespace apptest
