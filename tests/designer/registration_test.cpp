#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <variant>

#include "Unit1.h"
#include "designtime/device_name_property.h"
#include "designtime/port_control_registration.h"
#include "designtime/port_editor.h"
#include "modal_closer.h"
#include "platform/memory_port_device_class.h"
#include "portcontrol/port_control.h"

namespace designtime {
namespace {

using Registry = TDesignRegistry;

class RegistrationTest : public ::testing::Test {
 protected:
  RegistrationTest() { Register(registry); }
  ~RegistrationTest() override {
    delete Form1;
    Form1 = nullptr;
  }

  Registry registry;
  TPortControl component{nullptr};
};

TEST_F(RegistrationTest, RegistersThePortEditorThenThePaletteThenTheComponentEditor) {
  const auto& entries = registry.registrations();
  ASSERT_EQ(entries.size(), 3u);

  const auto* port = std::get_if<Registry::PropertyEditorRegistration>(&entries[0]);
  ASSERT_NE(port, nullptr);
  EXPECT_EQ(port->PropertyType->Kind, TTypeKind::tkLString);
  EXPECT_EQ(static_cast<int>(port->PropertyType->Kind), 10);
  EXPECT_EQ(port->PropertyType->Name, "AnsiString");
  EXPECT_EQ(port->ComponentClass, &TPortControl::staticMetaObject);
  EXPECT_EQ(port->PropertyName, "Port");

  const auto* palette = std::get_if<Registry::ComponentsRegistration>(&entries[1]);
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(palette->Page, "Communications");
  EXPECT_EQ(palette->Classes, std::vector<TComponentClass>{&TPortControl::staticMetaObject});

  const auto* editor = std::get_if<Registry::ComponentEditorRegistration>(&entries[2]);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->ComponentClass, &TPortControl::staticMetaObject);
}

TEST_F(RegistrationTest, DesignerFindsTheEditorsOfAComponentOnAForm) {
  EXPECT_EQ(registry.palettePageOf(&TPortControl::staticMetaObject), "Communications");
  EXPECT_NE(dynamic_cast<TPortEditor*>(registry.componentEditorFor(&component).get()), nullptr);
  EXPECT_NE(
      dynamic_cast<TDeviceNameProperty*>(registry.propertyEditorFor(&component, "Port").get()),
      nullptr);
  // Other properties keep the designer's own editing, and other classes get nothing.
  EXPECT_EQ(registry.propertyEditorFor(&component, "BaudRate"), nullptr);
  QObject stranger;
  EXPECT_EQ(registry.componentEditorFor(&stranger), nullptr);
  EXPECT_EQ(registry.propertyEditorFor(&stranger, "Port"), nullptr);
}

TEST_F(RegistrationTest, OneVerbWhateverTheIndex) {
  auto editor = registry.componentEditorFor(&component);
  EXPECT_EQ(editor->GetVerbCount(), 1);
  for (int index : {0, 1, -1, 7}) {
    EXPECT_EQ(editor->GetVerb(index), "&About TPortControl ...") << "index " << index;
  }
}

TEST_F(RegistrationTest, VerbShowsTheMainWindowModallyAndReplacesAnEarlierOne) {
  auto editor = registry.componentEditorFor(&component);

  bool firstWasModal = false;
  closeModalWindowWhenShown([&](QWidget& modal) { firstWasModal = &modal == Form1; });
  editor->ExecuteVerb(0);
  EXPECT_TRUE(firstWasModal);
  QPointer<TForm1> first = Form1;
  ASSERT_NE(first, nullptr);

  // Any index runs the verb; the earlier window is gone before the new one shows.
  bool earlierGoneWhileOpen = false;
  int windowsWhileOpen = 0;
  closeModalWindowWhenShown([&](QWidget&) {
    earlierGoneWhileOpen = first.isNull();
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (qobject_cast<TForm1*>(window) != nullptr) ++windowsWhileOpen;
    }
  });
  editor->ExecuteVerb(3);
  EXPECT_TRUE(earlierGoneWhileOpen);
  EXPECT_EQ(windowsWhileOpen, 1);
  EXPECT_NE(Form1, nullptr);
}

TEST_F(RegistrationTest, WindowThatDestroysItselfLeavesNoStaleForm1) {
  auto editor = registry.componentEditorFor(&component);
  closeModalWindowWhenShown([](QWidget& modal) { modal.setAttribute(Qt::WA_DeleteOnClose); });
  editor->ExecuteVerb(0);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Form1, nullptr);

  closeModalWindowWhenShown();
  editor->ExecuteVerb(0);  // must not destroy the gone window again
  EXPECT_NE(Form1, nullptr);
}

TEST_F(RegistrationTest, DoubleClickRunsTheVerb) {
  auto editor = registry.componentEditorFor(&component);
  bool shown = false;
  closeModalWindowWhenShown(
      [&](QWidget& modal) { shown = qobject_cast<TForm1*>(&modal) != nullptr; });
  editor->Edit();
  EXPECT_TRUE(shown);
}

TEST_F(RegistrationTest, PortOffersAValueListOnly) {
  auto port = registry.propertyEditorFor(&component, "Port");
  EXPECT_EQ(port->GetAttributes(), TPropertyAttributes{paValueList});
}

std::vector<std::string> valuesOf(TPropertyEditor& property) {
  std::vector<std::string> values;
  property.GetValues([&values](const std::string& value) { values.push_back(value); });
  return values;
}

TEST_F(RegistrationTest, PortValuesAreTheListedPortsInListingOrder) {
  platform::MemoryPortDeviceClass ports({"COM3", "COM1"});
  platform::ScopedPortDeviceClass listing(ports);
  auto port = registry.propertyEditorFor(&component, "Port");

  EXPECT_EQ(valuesOf(*port), (std::vector<std::string>{"COM3", "COM1"}));
  // The editor ended its listing: a new one can begin.
  EXPECT_EQ(TPortControl::BeginEnumeratePorts(), 0);
  TPortControl::EndEnumeratePorts();
  EXPECT_EQ(ports.liveLists(), 0);
}

TEST_F(RegistrationTest, PortValuesStopAtADeviceWhoseNameCannotBeRead) {
  platform::MemoryPortDeviceClass ports;
  ports.addPort("COM1");
  ports.addUnopenableDevice(EACCES);
  ports.addPort("COM3");
  platform::ScopedPortDeviceClass listing(ports);
  auto port = registry.propertyEditorFor(&component, "Port");

  EXPECT_EQ(valuesOf(*port), std::vector<std::string>{"COM1"});
  EXPECT_EQ(TPortControl::BeginEnumeratePorts(), 0);
  TPortControl::EndEnumeratePorts();
}

TEST_F(RegistrationTest, NoPortValuesWhileAnotherListingIsUnderWay) {
  platform::MemoryPortDeviceClass ports({"COM1", "COM3"});
  platform::ScopedPortDeviceClass listing(ports);
  auto port = registry.propertyEditorFor(&component, "Port");

  ASSERT_EQ(TPortControl::BeginEnumeratePorts(), 0);
  EXPECT_TRUE(valuesOf(*port).empty());
  // The listing under way was neither ended nor moved on.
  EXPECT_EQ(TPortControl::EnumeratePorts(), "COM1");
  EXPECT_EQ(TPortControl::EnumeratePorts(), "COM3");
  TPortControl::EndEnumeratePorts();
}

}  // namespace
}  // namespace designtime
