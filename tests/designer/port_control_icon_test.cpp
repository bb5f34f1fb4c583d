#include "standin/port_control_icon.h"

#include <gtest/gtest.h>

#include <QWidget>

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

TEST(PortControlIconTest, PropertiesAreTheComponents) {
  TPortControlIcon icon;
  ASSERT_NE(icon.component(), nullptr);
  EXPECT_TRUE(icon.setProperty("Port", QStringLiteral("pts/4")));
  EXPECT_EQ(icon.component()->property("Port"), icon.property("Port"));
}

}  // namespace
