#include <gtest/gtest.h>

#include <QAction>
#include <QExtensionManager>
#include <QMenu>

#include "Unit1.h"
#include "component_task_menu.h"
#include "designtime/port_control_registration.h"
#include "modal_closer.h"
#include "platform/memory_port_device_class.h"
#include "standin/port_control_icon.h"

namespace designerplugin {
namespace {

// The context menu Qt Designer builds for a TPortControl icon on a form.
class TaskMenuTest : public ::testing::Test {
 protected:
  TaskMenuTest() {
    designtime::Register(registry);
    manager.registerExtensions(new ComponentTaskMenuFactory(registry, &manager),
                               Q_TYPEID(QDesignerTaskMenuExtension));
    icon.setDesignTime(true);
    menu = qt_extension<QDesignerTaskMenuExtension*>(&manager, &icon);
  }
  ~TaskMenuTest() override {
    delete Form1;
    Form1 = nullptr;
  }

  QAction* portAction() const { return menu->taskActions().value(1); }

  QStringList openPortMenu() const {
    QMenu* ports = portAction()->menu();
    emit ports->aboutToShow();
    QStringList entries;
    for (QAction* entry : ports->actions()) {
      entries << entry->text() + (entry->isChecked() ? "*" : "") + (entry->isEnabled() ? "" : "-");
    }
    return entries;
  }

  designtime::TDesignRegistry registry;
  QExtensionManager manager;
  TPortControlIcon icon;
  QDesignerTaskMenuExtension* menu = nullptr;
};

TEST_F(TaskMenuTest, HoldsTheVerbAndThePortList) {
  ASSERT_NE(menu, nullptr);
  const QList<QAction*> actions = menu->taskActions();
  ASSERT_EQ(actions.size(), 2);
  EXPECT_EQ(actions[0]->text(), "&About TPortControl ...");
  EXPECT_EQ(actions[1]->text(), "Port");
  EXPECT_NE(actions[1]->menu(), nullptr);
}

TEST_F(TaskMenuTest, DoubleClickAndVerbOpenTheMainWindow) {
  for (QAction* action : {menu->preferredEditAction(), menu->taskActions().value(0)}) {
    ASSERT_NE(action, nullptr);
    bool shown = false;
    closeModalWindowWhenShown(
        [&](QWidget& modal) { shown = qobject_cast<TForm1*>(&modal) != nullptr; });
    action->trigger();
    EXPECT_TRUE(shown);
  }
}

TEST_F(TaskMenuTest, PortListOffersThePortsAndSetsTheChosenOne) {
  platform::MemoryPortDeviceClass ports({"pts/5", "pts/3"});
  platform::ScopedPortDeviceClass listing(ports);
  icon.setProperty("Port", QStringLiteral("pts/5"));

  // In listing order, the current port checked.
  EXPECT_EQ(openPortMenu(), (QStringList{"pts/5*", "pts/3"}));
  portAction()->menu()->actions().value(1)->trigger();
  EXPECT_EQ(icon.property("Port").toString(), "pts/3");
}

TEST_F(TaskMenuTest, PortListIsEmptyWhileAnotherListingIsUnderWay) {
  platform::MemoryPortDeviceClass ports({"pts/3"});
  platform::ScopedPortDeviceClass listing(ports);
  ASSERT_EQ(TPortControl::BeginEnumeratePorts(), 0);
  EXPECT_EQ(openPortMenu(), QStringList{"(none)-"});
  TPortControl::EndEnumeratePorts();
}

}  // namespace
}  // namespace designerplugin
