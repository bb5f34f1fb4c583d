#include "standin/port_control_icon.h"

#include <gtest/gtest.h>

#include <QMetaProperty>
#include <QWidget>

#include "ui_port_form.h"

namespace {

TEST(PortControlIconTest, ShowsOnlyInTheDesigner) {
  QWidget form;
  auto* runTime = new TPortControlIcon(&form);
  auto* designTime = new TPortControlIcon(&form);
  designTime->setDesignTime(true);
  form.show();
  runTime->show();  // a generated form may show every child; the component still stays unseen

  EXPECT_FALSE(runTime->isVisible());
  EXPECT_TRUE(designTime->isVisible());
  EXPECT_EQ(designTime->size(), QSize(TComponentIcon::kSize, TComponentIcon::kSize));
}

// The names of the published properties a form stores for the component: its own and its
// time-outs', but not the name, which is the icon's object name, nor the time-out object.
std::vector<QByteArray> storedNames() {
  std::vector<QByteArray> names;
  for (const QMetaObject* meta :
       {&TPortControl::staticMetaObject, &T1CommTimeouts::staticMetaObject}) {
    for (int index = QObject::staticMetaObject.propertyCount(); index < meta->propertyCount();
         ++index) {
      const QByteArray name = meta->property(index).name();
      if (name != "Name" && name != "Timeout") names.push_back(name);
    }
  }
  return names;
}

// A value other than `current`, of the property's own kind.
QVariant otherValue(const QMetaProperty& property, const QVariant& current) {
  if (property.metaType().id() == QMetaType::QString) return QStringLiteral("pts/4");
  if (property.metaType().id() == QMetaType::Bool) return !current.toBool();
  if (property.isEnumType()) {
    const QMetaEnum values = property.enumerator();
    for (int key = 0; key < values.keyCount(); ++key) {
      if (values.value(key) != current.toInt()) return values.value(key);
    }
  }
  return current.toInt() + 65;
}

TEST(PortControlIconTest, EveryStoredPropertyOfTheComponentPassesThrough) {
  TPortControlIcon icon;
  TPortControl& component = *icon.component();
  for (const QByteArray& name : storedNames()) {
    const int index = icon.metaObject()->indexOfProperty(name);
    ASSERT_GE(index, 0) << name.constData() << " is not on the icon";
    const QVariant value = otherValue(icon.metaObject()->property(index), icon.property(name));
    ASSERT_TRUE(icon.setProperty(name, value)) << name.constData();

    QObject& owner = component.metaObject()->indexOfProperty(name) >= 0
                         ? static_cast<QObject&>(component)
                         : *component.Timeout();
    const QVariant passed = owner.property(name);
    if (value.metaType().id() == QMetaType::QString) {
      EXPECT_EQ(passed.toString(), value.toString()) << name.constData();
    } else {
      EXPECT_EQ(passed.toInt(), value.toInt()) << name.constData();
    }
  }
}

TEST(PortControlIconTest, GeneratedFormMakesTheComponentWithItsSavedSettingsAndShowsNothing) {
  QWidget form;
  Ui::PortForm ui;
  ui.setupUi(&form);
  form.show();

  EXPECT_FALSE(ui.PortControl1->isVisible());
  const TPortControl& component = *ui.PortControl1->component();
  EXPECT_EQ(component.Name(), "PortControl1");
  EXPECT_EQ(component.Port(), "pts/2");
  EXPECT_EQ(component.BaudRate(), TPortControl::S019200);
  EXPECT_EQ(component.Timeout()->ReadTotalTimeoutConstant, 500);
  EXPECT_EQ(component.EndChar(), '\x03');
  EXPECT_EQ(component.DataBits(), TPortControl::Bits8);  // not saved: the component's own
}

}  // namespace
